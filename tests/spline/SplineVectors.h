#pragma once
// Reference cases for the spline module, read from JSON files of the reference format: splines
// with their expected control points and knots, evaluations and bisections on them, and error
// cases with their exact messages. Every number is compared with ==.

#include <cstddef>
#include <string>
#include <vector>

namespace SplineVectors {

struct EvaluationCase {
    double u = 0.0;
    double knot = 0.0;
    std::size_t multiplicity = 0;
    std::size_t numResult = 0;
    std::vector<double> result;
};

struct BisectionCase {
    std::string note;
    double value = 0.0;
    double epsilon = 0.0;
    bool persnickety = false;
    std::size_t index = 0;
    bool ascending = true;
    std::size_t maxIterations = 0;
    double knot = 0.0;
    std::size_t numResult = 0;
    std::vector<double> result;
    std::size_t evaluations = 0;
    bool withinEpsilon = false;
};

struct SplineCase {
    std::string id;
    std::size_t dimension = 0;
    std::vector<double> points;
    std::size_t degree = 0;
    std::vector<double> controlPoints;
    std::vector<double> knots;
    std::vector<double> domain;
    std::vector<EvaluationCase> evaluations;
    std::vector<BisectionCase> bisections;
};

// operation is "interpolate_cubic_natural", "eval" or "bisect". The last two run on the points
// of the named spline; "(no error)" as the message means success, with `result` expected.
struct ErrorCase {
    std::string id;
    std::string operation;
    std::size_t dimension = 0;
    std::vector<double> points;
    double u = 0.0;
    BisectionCase bisection;
    std::string message;
    std::vector<double> result;
};

struct VectorFile {
    std::string path;
    std::string loadError; // empty when the file was read completely
    std::vector<SplineCase> splines;
    std::vector<ErrorCase> errors;
};

// Reads a whole file; a file that cannot be read or parsed gives loadError and no cases.
VectorFile Load(const std::string& path);

} // namespace SplineVectors
