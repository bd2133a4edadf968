#include "host/Rasterizer.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace Corvane::Host {

namespace {

struct Point {
    double x, y;
};

// Twice the signed area of (a, b, p); positive when p is on the inner side of a -> b in a
// triangle whose corners run a, b, c with Edge(a, b, c) > 0.
double Edge(Point a, Point b, Point p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// With Y down and the corners in that order, the inside lies below a top edge (running
// right) and right of a left edge (running up).
bool IsTopOrLeft(Point a, Point b) {
    return (a.y == b.y && b.x > a.x) || b.y < a.y;
}

bool Covers(double edge, Point a, Point b) {
    return edge > 0.0 || (edge == 0.0 && IsTopOrLeft(a, b));
}

struct Range {
    int first, last; // inclusive; empty when first > last
};

// The pixels of a row or column of size pixels whose centres lie in [low, high], or in
// [low, high) when the high end is open.
Range Centres(double low, double high, bool openHigh, int size) {
    if (std::isnan(low) || std::isnan(high))
        return {0, -1};
    const double first = std::ceil(low - 0.5);
    const double last = openHigh ? std::ceil(high - 0.5) - 1.0 : std::floor(high - 0.5);
    return {int(std::clamp(first, 0.0, double(size))), int(std::clamp(last, -1.0, size - 1.0))};
}

Range Intersect(Range a, Range b) {
    return {std::max(a.first, b.first), std::min(a.last, b.last)};
}

struct Paint {
    const Texture* texture; // null: plain white
    Range columns, rows;    // the clip rectangle's pixels
    ImVec2 origin;          // display position of the image's top-left corner
};

std::uint8_t TexelAlpha(const Texture* texture, double u, double v) {
    if (texture == nullptr || texture->alpha == nullptr)
        return 255;
    const int x = int(std::clamp(std::floor(u * texture->width), 0.0, texture->width - 1.0));
    const int y = int(std::clamp(std::floor(v * texture->height), 0.0, texture->height - 1.0));
    return texture->alpha[std::size_t(y) * std::size_t(texture->width) + std::size_t(x)];
}

// The colour at weights w of the corners v, times the texel there.
Rgba Shade(const ImDrawVert* const v[3], const double w[3], const Texture* texture) {
    constexpr int kShifts[4] = {IM_COL32_R_SHIFT, IM_COL32_G_SHIFT, IM_COL32_B_SHIFT,
                                IM_COL32_A_SHIFT};
    double channels[4] = {}, u = 0.0, t = 0.0;
    for (int k = 0; k < 3; ++k) {
        for (int c = 0; c < 4; ++c)
            channels[c] += w[k] * double((v[k]->col >> kShifts[c]) & 0xFF);
        u += w[k] * v[k]->uv.x;
        t += w[k] * v[k]->uv.y;
    }
    std::uint8_t bytes[4];
    for (int c = 0; c < 4; ++c)
        bytes[c] = std::uint8_t(std::clamp(std::lround(channels[c]), 0L, 255L));
    return Rgba{bytes[0], bytes[1], bytes[2],
                std::uint8_t((bytes[3] * TexelAlpha(texture, u, t) + 127) / 255)};
}

void FillTriangle(const ImDrawVert* v[3], const Paint& paint, Image& image) {
    Point p[3];
    for (int i = 0; i < 3; ++i) {
        p[i] = {double(v[i]->pos.x) - paint.origin.x, double(v[i]->pos.y) - paint.origin.y};
        if (!std::isfinite(p[i].x) || !std::isfinite(p[i].y))
            return;
    }
    double area = Edge(p[0], p[1], p[2]);
    if (area == 0.0)
        return;
    if (area < 0.0) {
        std::swap(p[1], p[2]);
        std::swap(v[1], v[2]);
        area = -area;
    }
    const Range columns =
        Intersect(paint.columns, Centres(std::min({p[0].x, p[1].x, p[2].x}),
                                         std::max({p[0].x, p[1].x, p[2].x}), false, image.Width()));
    const Range rows =
        Intersect(paint.rows, Centres(std::min({p[0].y, p[1].y, p[2].y}),
                                      std::max({p[0].y, p[1].y, p[2].y}), false, image.Height()));
    for (int y = rows.first; y <= rows.last; ++y) {
        for (int x = columns.first; x <= columns.last; ++x) {
            const Point centre{x + 0.5, y + 0.5};
            const double e[3] = {Edge(p[1], p[2], centre), Edge(p[2], p[0], centre),
                                 Edge(p[0], p[1], centre)};
            if (!Covers(e[0], p[1], p[2]) || !Covers(e[1], p[2], p[0]) || !Covers(e[2], p[0], p[1]))
                continue;
            const double w[3] = {e[0] / area, e[1] / area, e[2] / area};
            image.Blend(x, y, Shade(v, w, paint.texture));
        }
    }
}

void RasterizeList(const ImDrawList& list, const Texture& font, ImVec2 origin, Image& image) {
    const int vertexCount = list.VtxBuffer.Size;
    for (const ImDrawCmd& command : list.CmdBuffer) {
        if (command.UserCallback != nullptr)
            continue;
        const ImVec4& r = command.ClipRect;
        const Paint paint{command.TextureId == &font ? &font : nullptr,
                          Centres(r.x - origin.x, r.z - origin.x, true, image.Width()),
                          Centres(r.y - origin.y, r.w - origin.y, true, image.Height()), origin};
        for (unsigned int i = 0; i + 2 < command.ElemCount; i += 3) {
            const ImDrawVert* corners[3];
            bool valid = true;
            for (unsigned int k = 0; k < 3; ++k) {
                const unsigned int slot = command.IdxOffset + i + k;
                valid = valid && slot < unsigned(list.IdxBuffer.Size);
                const unsigned int index =
                    valid ? command.VtxOffset + list.IdxBuffer[int(slot)] : 0;
                valid = valid && index < unsigned(vertexCount);
                corners[k] = valid ? &list.VtxBuffer[int(index)] : nullptr;
            }
            if (valid)
                FillTriangle(corners, paint, image);
        }
    }
}

} // namespace

void RasterizeDrawList(const ImDrawList& list, const Texture& font, Image& image) {
    RasterizeList(list, font, ImVec2(0.0f, 0.0f), image);
}

void RasterizeDrawData(const ImDrawData& data, const Texture& font, Image& image) {
    for (int i = 0; i < data.CmdListsCount; ++i)
        RasterizeList(*data.CmdLists[i], font, data.DisplayPos, image);
}

} // namespace Corvane::Host
