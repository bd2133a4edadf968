#include "tests/oracle/SplineTangents.h"

#include <algorithm>
#include <cmath>

namespace Oracle {

namespace {

constexpr float kMinSpacing = 1e-6f;
constexpr float kMinPivot = 1e-12f;

// Row i of the tridiagonal system a m[i-1] + b m[i] + c m[i+1] = r.
struct Tridiagonal {
    std::vector<float> a, b, c, r;

    explicit Tridiagonal(std::size_t n) : a(n, 0.0f), b(n, 1.0f), c(n, 0.0f), r(n, 0.0f) {}

    // Rescales row i so its diagonal is 1, unless the diagonal is too small to divide by.
    void Normalise(std::size_t i) {
        if (std::fabs(b[i]) > kMinPivot) {
            a[i] /= b[i];
            c[i] /= b[i];
            r[i] /= b[i];
            b[i] = 1.0f;
        }
    }
};

std::vector<float> Spacings(const std::vector<float>& x) {
    std::vector<float> h(x.size() - 1);
    for (std::size_t i = 0; i + 1 < x.size(); ++i)
        h[i] = std::max(x[i + 1] - x[i], kMinSpacing);
    return h;
}

void SetFirstRow(Tridiagonal& s, const std::vector<float>& y, const std::vector<float>& h,
                 const PinnedTangents& pinned, TangentEnd start) {
    if (pinned.IsPinned(0)) {
        s.r[0] = pinned.value[0];
    } else if (start.clamped) {
        s.r[0] = start.value;
    } else { // natural: 2 m0 + m1 = 3 (y1 - y0) / h0
        s.b[0] = 2.0f * h[0];
        s.c[0] = h[0];
        s.r[0] = 3.0f * (y[1] - y[0]);
        s.Normalise(0);
    }
}

void SetInteriorRow(Tridiagonal& s, std::size_t i, const std::vector<float>& y,
                    const std::vector<float>& h, const PinnedTangents& pinned) {
    if (pinned.IsPinned(i)) {
        s.r[i] = pinned.value[i];
        return;
    }
    s.a[i] = h[i];
    s.b[i] = 2.0f * (h[i - 1] + h[i]);
    s.c[i] = h[i - 1];
    s.r[i] = 3.0f * ((y[i] - y[i - 1]) * h[i] / h[i - 1] + (y[i + 1] - y[i]) * h[i - 1] / h[i]);
}

void SetLastRow(Tridiagonal& s, const std::vector<float>& y, const std::vector<float>& h,
                const PinnedTangents& pinned, TangentEnd end) {
    const std::size_t last = y.size() - 1;
    if (pinned.IsPinned(last)) {
        s.r[last] = pinned.value[last];
    } else if (end.clamped) {
        s.r[last] = end.value;
    } else { // natural: m[n-2] + 2 m[n-1] = 3 (y[n-1] - y[n-2]) / h
        s.a[last] = h[last - 1];
        s.b[last] = 2.0f * h[last - 1];
        s.r[last] = 3.0f * (y[last] - y[last - 1]);
        s.Normalise(last);
    }
}

// Forward elimination and back substitution.
std::vector<float> Solve(const Tridiagonal& s) {
    const std::size_t n = s.b.size();
    std::vector<float> cp(n, 0.0f), rp(n, 0.0f), m(n, 0.0f);
    if (std::fabs(s.b[0]) > kMinPivot) {
        cp[0] = s.c[0] / s.b[0];
        rp[0] = s.r[0] / s.b[0];
    }
    for (std::size_t i = 1; i < n; ++i) {
        float den = s.b[i] - s.a[i] * cp[i - 1];
        if (std::fabs(den) < kMinPivot)
            den = kMinPivot;
        cp[i] = s.c[i] / den;
        rp[i] = (s.r[i] - s.a[i] * rp[i - 1]) / den;
    }
    m[n - 1] = rp[n - 1];
    for (std::size_t i = n - 1; i-- > 0;)
        m[i] = rp[i] - cp[i] * m[i + 1];
    return m;
}

} // namespace

std::vector<float> SolveSplineTangents(const std::vector<float>& x, const std::vector<float>& y,
                                       const PinnedTangents& pinned, TangentEnd start,
                                       TangentEnd end) {
    const std::size_t n = x.size();
    if (n < 2)
        return std::vector<float>(n, 0.0f);
    const std::vector<float> h = Spacings(x);
    if (n == 2) {
        const float chord = (y[1] - y[0]) / h[0];
        return {pinned.IsPinned(0) ? pinned.value[0] : chord,
                pinned.IsPinned(1) ? pinned.value[1] : chord};
    }
    Tridiagonal system(n);
    SetFirstRow(system, y, h, pinned, start);
    for (std::size_t i = 1; i + 1 < n; ++i)
        SetInteriorRow(system, i, y, h, pinned);
    SetLastRow(system, y, h, pinned, end);
    return Solve(system);
}

void LimitMonotoneTangents(const std::vector<float>& x, const std::vector<float>& y,
                           std::vector<float>& m) {
    const std::size_t n = y.size();
    for (std::size_t i = 0; i < n; ++i) {
        const float yp = y[i == 0 ? 0 : i - 1];
        const float yn = y[std::min(i + 1, n - 1)];
        const bool rising = yp <= y[i] && y[i] <= yn;
        const bool falling = yp >= y[i] && y[i] >= yn;
        if ((rising && m[i] < 0.0f) || (falling && m[i] > 0.0f))
            m[i] = 0.0f;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const float delta = (y[i + 1] - y[i]) / std::max(x[i + 1] - x[i], kMinSpacing);
        if (delta == 0.0f) {
            m[i] = 0.0f;
            m[i + 1] = 0.0f;
            continue;
        }
        const bool bothUp = m[i] >= 0.0f && m[i + 1] >= 0.0f && delta > 0.0f;
        const bool bothDown = m[i] <= 0.0f && m[i + 1] <= 0.0f && delta < 0.0f;
        if (!bothUp && !bothDown)
            continue;
        const float ratio = std::sqrt(m[i] * m[i] + m[i + 1] * m[i + 1]) / std::fabs(delta);
        if (ratio > 3.0f) {
            const float scale = 3.0f / ratio;
            m[i] *= scale;
            m[i + 1] *= scale;
        }
    }
}

} // namespace Oracle
