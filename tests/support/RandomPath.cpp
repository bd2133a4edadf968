#include "tests/support/RandomPath.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace Quorvel::Testing {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Draws from mt19937 by hand: the standard distributions differ between libraries.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : engine(seed) {}
    // Uniform in [lo, hi).
    double Real(double lo, double hi) {
        return lo + (hi - lo) * (static_cast<double>(engine()) / 4294967296.0);
    }
    // True with probability 1 / every (never for every <= 0).
    bool OneIn(int every) { return every > 0 && engine() % static_cast<std::uint32_t>(every) == 0; }

private:
    std::mt19937 engine;
};

// A smooth signal of time: three sines of random amplitude, period and phase.
struct Wave {
    double amplitude[3], frequency[3], phase[3]; // world or rotator units; Hz; radians

    Wave(Draw& draw, double scale) {
        for (int k = 0; k < 3; ++k) {
            amplitude[k] = draw.Real(0.2, 1.0) * scale / (k + 1);
            frequency[k] = draw.Real(0.01, 0.12) * (k + 1);
            phase[k] = draw.Real(0.0, kTwoPi);
        }
    }
    double At(double seconds) const {
        double sum = 0.0;
        for (int k = 0; k < 3; ++k)
            sum += amplitude[k] * std::sin(kTwoPi * frequency[k] * seconds + phase[k]);
        return sum;
    }
};

// Rotator units into [-32768, 32768), as the game reports a camera's rotation.
float Normalised(double units) {
    const double wrapped = std::fmod(units + 32768.0, 65536.0);
    return static_cast<float>((wrapped < 0.0 ? wrapped + 65536.0 : wrapped) - 32768.0);
}

std::vector<int> Frames(Draw& draw, const RandomPathShape& shape) {
    const int n = shape.waypoints;
    std::vector<double> gaps; // frames
    double total = 0.0;
    for (int i = 1; i < n; ++i) {
        gaps.push_back(draw.Real(1.0, 3.0) * shape.fps);
        total += gaps.back();
    }
    std::vector<int> frames{shape.firstFrame};
    double at = 0.0;
    for (double gap : gaps) {
        at += shape.spanFrames > 0 ? gap * shape.spanFrames / total : gap;
        // Never two waypoints on one frame, whatever the rounding.
        frames.push_back(
            std::max(shape.firstFrame + static_cast<int>(std::lround(at)), frames.back() + 1));
    }
    if (shape.spanFrames > 0 && n > 1)
        frames.back() = std::max(shape.firstFrame + shape.spanFrames, frames[n - 2] + 1);
    return frames;
}

Vector RandomVector(Draw& draw, double reach) {
    return Vector(static_cast<float>(draw.Real(-reach, reach)),
                  static_cast<float>(draw.Real(-reach, reach)),
                  static_cast<float>(draw.Real(-reach / 3, reach / 3)));
}

} // namespace

SnapshotMap RandomPath(std::uint32_t seed, const RandomPathShape& shape) {
    Draw draw(seed);
    SnapshotMap path;
    if (shape.waypoints < 1)
        return path;
    const std::vector<int> frames = Frames(draw, shape);
    const Wave x(draw, 3000.0), y(draw, 4000.0), z(draw, 450.0);
    const Wave pitch(draw, 3000.0), yawSway(draw, 6000.0), roll(draw, 800.0), fov(draw, 12.0);
    const double turnRate = draw.Real(1500.0, 6000.0) * (draw.OneIn(2) ? 1 : -1); // units/s
    const double startYaw = draw.Real(-32768.0, 32768.0);
    const bool rolls = draw.OneIn(3);

    for (int frame : frames) {
        const double s = static_cast<double>(frame - shape.firstFrame) / shape.fps;
        CameraSnapshot w;
        w.frame = frame;
        w.timestamp = static_cast<float>(frame) / static_cast<float>(shape.fps);
        w.location = Vector(static_cast<float>(x.At(s)), static_cast<float>(y.At(s)),
                            static_cast<float>(900.0 + z.At(s)));
        w.rotation.pitch = static_cast<float>(-2500.0 + pitch.At(s));
        w.rotation.yaw = Normalised(startYaw + turnRate * s + yawSway.At(s));
        w.rotation.roll = rolls ? static_cast<float>(roll.At(s)) : 0.0f;
        w.FOV = static_cast<float>(88.0 + fov.At(s));
        if (draw.OneIn(4)) {
            w.v3_kb_tension = static_cast<float>(draw.Real(-0.6, 0.6));
            w.v3_kb_bias = static_cast<float>(draw.Real(-0.6, 0.6));
            w.v3_kb_continuity = static_cast<float>(draw.Real(-0.6, 0.6));
        }
        if (draw.OneIn(6))
            w.weight = static_cast<float>(draw.Real(0.5, 2.0));
        if (draw.OneIn(shape.customHandleEvery)) {
            w.v3_bz_has_custom = true;
            w.v3_bz_ctrl_out = RandomVector(draw, 600.0);
            // Mostly the smooth kind, pointing the other way; sometimes a corner.
            w.v3_bz_ctrl_in = draw.OneIn(3)
                                  ? RandomVector(draw, 600.0)
                                  : w.v3_bz_ctrl_out * -static_cast<float>(draw.Real(0.5, 1.5));
        }
        path[frame] = w;
    }
    return path;
}

} // namespace Quorvel::Testing
