#pragma once
// Bit-for-bit comparisons for the oracle tests. Floats are compared by their bits, so -0 is
// not 0, and a NaN equals only a NaN with the very same bits (operator== would call two equal
// NaNs different and -0 equal to 0). Failures print values in hexadecimal float notation,
// which shows the last bit.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "path/CameraPose.h"
#include "tests/oracle/PluginAdapter.h"

namespace Quorvel::Testing {

inline std::uint32_t Bits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline bool SameBits(float a, float b) {
    return Bits(a) == Bits(b);
}

inline std::string Hex(float value) {
    std::ostringstream text;
    text << std::hexfloat << value;
    return text.str();
}

inline std::string Describe(const CameraPose& p) {
    return "(" + Hex(p.x) + ", " + Hex(p.y) + ", " + Hex(p.z) + " | " + Hex(p.pitch) + ", " +
           Hex(p.yaw) + ", " + Hex(p.roll) + " | " + Hex(p.FOV) + ")";
}

inline ::testing::AssertionResult SamePose(const CameraPose& plugin, const CameraPose& oracle) {
    const float a[] = {plugin.x,   plugin.y,    plugin.z,  plugin.pitch,
                       plugin.yaw, plugin.roll, plugin.FOV};
    const float b[] = {oracle.x,   oracle.y,    oracle.z,  oracle.pitch,
                       oracle.yaw, oracle.roll, oracle.FOV};
    for (int i = 0; i < 7; ++i)
        if (!SameBits(a[i], b[i]))
            return ::testing::AssertionFailure()
                   << "plugin " << Describe(plugin) << "\noracle " << Describe(oracle);
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult SamePathCache(const std::vector<PathSample>& plugin,
                                                const std::vector<PathSample>& oracle) {
    if (plugin.size() != oracle.size())
        return ::testing::AssertionFailure()
               << "plugin " << plugin.size() << " samples, oracle " << oracle.size();
    for (std::size_t i = 0; i < plugin.size(); ++i) {
        const PathSample& a = plugin[i];
        const PathSample& b = oracle[i];
        if (a.frame != b.frame || !SameBits(a.location.X, b.location.X) ||
            !SameBits(a.location.Y, b.location.Y) || !SameBits(a.location.Z, b.location.Z))
            return ::testing::AssertionFailure()
                   << "sample " << i << ": plugin frame " << a.frame << " at " << Hex(a.location.X)
                   << ", " << Hex(a.location.Y) << ", " << Hex(a.location.Z) << "; oracle frame "
                   << b.frame << " at " << Hex(b.location.X) << ", " << Hex(b.location.Y) << ", "
                   << Hex(b.location.Z);
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult
SameArcLengthTable(const std::vector<std::pair<float, float>>& plugin,
                   const std::vector<std::pair<float, float>>& oracle) {
    if (plugin.size() != oracle.size())
        return ::testing::AssertionFailure()
               << "plugin " << plugin.size() << " entries, oracle " << oracle.size();
    for (std::size_t i = 0; i < plugin.size(); ++i)
        if (!SameBits(plugin[i].first, oracle[i].first) ||
            !SameBits(plugin[i].second, oracle[i].second))
            return ::testing::AssertionFailure()
                   << "entry " << i << ": plugin (" << Hex(plugin[i].first) << ", "
                   << Hex(plugin[i].second) << "), oracle (" << Hex(oracle[i].first) << ", "
                   << Hex(oracle[i].second) << ")";
    return ::testing::AssertionSuccess();
}

} // namespace Quorvel::Testing
