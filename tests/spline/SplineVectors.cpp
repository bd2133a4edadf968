#include "SplineVectors.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include <nlohmann/json.hpp>

namespace SplineVectors {

namespace {

using nlohmann::json;

std::vector<double> Numbers(const json& node) {
    return node.get<std::vector<double>>();
}

BisectionCase ReadBisection(const json& node) {
    BisectionCase c;
    c.note = node.value("note", "");
    c.value = node.at("value").get<double>();
    c.epsilon = node.at("epsilon").get<double>();
    c.persnickety = node.at("persnickety").get<bool>();
    c.index = node.at("index").get<std::size_t>();
    c.ascending = node.at("ascending").get<bool>();
    c.maxIterations = node.at("max_iter").get<std::size_t>();
    if (node.contains("result")) {
        c.knot = node.at("knot").get<double>();
        c.numResult = node.at("num_result").get<std::size_t>();
        c.result = Numbers(node.at("result"));
        c.evaluations = node.at("evaluations").get<std::size_t>();
        c.withinEpsilon = node.at("within_epsilon").get<bool>();
    }
    return c;
}

EvaluationCase ReadEvaluation(const json& node) {
    EvaluationCase c;
    c.u = node.at("u").get<double>();
    c.knot = node.at("knot").get<double>();
    c.multiplicity = node.at("multiplicity").get<std::size_t>();
    c.numResult = node.at("num_result").get<std::size_t>();
    c.result = Numbers(node.at("result"));
    return c;
}

SplineCase ReadSpline(const json& node) {
    SplineCase c;
    c.id = node.at("id").get<std::string>();
    c.dimension = node.at("dimension").get<std::size_t>();
    c.points = Numbers(node.at("points"));
    c.degree = node.at("degree").get<std::size_t>();
    c.controlPoints = Numbers(node.at("control_points"));
    c.knots = Numbers(node.at("knots"));
    c.domain = Numbers(node.at("domain"));
    for (const json& e : node.at("evaluations"))
        c.evaluations.push_back(ReadEvaluation(e));
    for (const json& b : node.at("bisections"))
        c.bisections.push_back(ReadBisection(b));
    return c;
}

const SplineCase* FindSpline(const std::vector<SplineCase>& splines, const std::string& id) {
    const auto found = std::find_if(splines.begin(), splines.end(),
                                    [&](const SplineCase& s) { return s.id == id; });
    return found == splines.end() ? nullptr : &*found;
}

ErrorCase ReadError(const json& node, const std::vector<SplineCase>& splines) {
    ErrorCase c;
    c.id = node.at("id").get<std::string>();
    c.operation = node.at("operation").get<std::string>();
    c.message = node.at("error_message").get<std::string>();
    if (node.contains("result"))
        c.result = Numbers(node.at("result"));
    if (c.operation == "interpolate_cubic_natural") {
        c.dimension = node.at("dimension").get<std::size_t>();
        c.points = Numbers(node.at("points"));
        return c;
    }
    const std::string splineId = node.at("spline").get<std::string>();
    const SplineCase* spline = FindSpline(splines, splineId);
    if (!spline)
        throw std::runtime_error("error case " + c.id + " names unknown spline " + splineId);
    c.dimension = spline->dimension;
    c.points = spline->points;
    if (c.operation == "eval")
        c.u = node.at("u").get<double>();
    else
        c.bisection = ReadBisection(node);
    return c;
}

} // namespace

VectorFile Load(const std::string& path) {
    VectorFile file;
    file.path = path;
    try {
        std::ifstream in(path);
        if (!in)
            throw std::runtime_error("cannot open the file");
        const json root = json::parse(in);
        for (const json& s : root.at("splines"))
            file.splines.push_back(ReadSpline(s));
        if (root.contains("errors"))
            for (const json& e : root.at("errors"))
                file.errors.push_back(ReadError(e, file.splines));
    } catch (const std::exception& e) {
        file.loadError = e.what();
        file.splines.clear();
        file.errors.clear();
    }
    return file;
}

} // namespace SplineVectors
