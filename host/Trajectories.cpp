#include "host/Trajectories.h"

#include <cmath>

namespace Corvane::Host {

namespace {

constexpr double kTwoPi = 6.283185307179586;

double Turns(int frame, double framesPerTurn) {
    return kTwoPi * static_cast<double>(frame) / framesPerTurn;
}

} // namespace

Vector BallPathLocation(int frame) {
    const double x = 1500.0 * std::sin(Turns(frame, 300.0));
    const double y = 2500.0 * std::sin(Turns(frame, 450.0));
    const double z = 93.0 + 600.0 * std::fabs(std::sin(Turns(frame, 120.0)));
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

Vector CarPathLocation(int car, int frame) {
    const double radius = 1200.0 + 400.0 * car;
    const double angle = Turns(frame, 240.0 + 60.0 * car) + kTwoPi * car / 8.0;
    return {static_cast<float>(radius * std::cos(angle)),
            static_cast<float>(radius * std::sin(angle)), 17.0f};
}

} // namespace Corvane::Host
