// The software rasterizer of ImGui draw lists: which pixels a triangle covers, clipping,
// colours and the texture.

#include "host/Rasterizer.h"

#include <gtest/gtest.h>
#include <imgui.h>

#include <cmath>
#include <string>
#include <vector>

namespace Corvane::Host {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr int kSize = 16;

// A draw list filled by hand, as ImGui would fill it.
class Mesh {
public:
    void Vertex(float x, float y, ImU32 colour, float u = 0.0f, float v = 0.0f) {
        list.VtxBuffer.push_back(ImDrawVert{ImVec2(x, y), ImVec2(u, v), colour});
    }
    // One command drawing the triangles of indices (three each).
    void Command(const std::vector<ImDrawIdx>& indices, ImVec4 clip, ImTextureID texture = nullptr,
                 unsigned int vertexOffset = 0) {
        ImDrawCmd command;
        command.ClipRect = clip;
        command.TextureId = texture;
        command.VtxOffset = vertexOffset;
        command.IdxOffset = unsigned(list.IdxBuffer.Size);
        command.ElemCount = unsigned(indices.size());
        for (ImDrawIdx index : indices)
            list.IdxBuffer.push_back(index);
        list.CmdBuffer.push_back(command);
    }
    Image Draw(const Texture& font = Texture()) const {
        Image image(kSize, kSize, kBlack);
        RasterizeDrawList(list, font, image);
        return image;
    }

private:
    ImDrawList list{nullptr};
};

const ImVec4 kNoClip(-1000.0f, -1000.0f, 1000.0f, 1000.0f);
const ImU32 kHalfWhite = IM_COL32(255, 255, 255, 128);

// Half-white laid once over black gives 128; twice, 192.
std::string CoverageMap(const Image& image) {
    std::string map;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const int red = image.At(x, y).r;
            map += red == 0 ? '.' : red == 128 ? '1' : red == 192 ? '2' : '?';
        }
        map += '\n';
    }
    return map;
}

// '1' for the pixels whose centres lie in [left, right) x [top, bottom), '.' elsewhere.
std::string RectangleMap(float left, float top, float right, float bottom) {
    std::string map;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float cx = x + 0.5f, cy = y + 0.5f;
            map += cx >= left && cx < right && cy >= top && cy < bottom ? '1' : '.';
        }
        map += '\n';
    }
    return map;
}

TEST(RasterizerTest, TrianglesSharingEdgesCoverEachPixelOnce) {
    // Corners on pixel centres put centres exactly on every edge, outer and shared.
    const std::vector<ImVec2> square = {{2.5f, 2.5f}, {12.5f, 2.5f}, {12.5f, 12.5f}, {2.5f, 12.5f}};
    const struct {
        const char* name;
        std::vector<ImVec2> extra; // corners beyond the square's four
        std::vector<ImDrawIdx> triangles;
    } cases[] = {
        {"MainDiagonal", {}, {0, 1, 2, 0, 2, 3}},
        {"OppositeWindings", {}, {0, 1, 2, 0, 3, 2}},
        {"FanAroundACentre", {{7.5f, 7.5f}}, {4, 0, 1, 4, 1, 2, 4, 2, 3, 4, 3, 0}},
        {"SlantedSplit", {{6.5f, 2.5f}, {8.5f, 12.5f}}, {0, 4, 5, 0, 5, 3, 4, 1, 2, 4, 2, 5}},
    };
    for (const auto& c : cases) {
        Mesh mesh;
        for (const ImVec2& corner : square)
            mesh.Vertex(corner.x, corner.y, kHalfWhite);
        for (const ImVec2& corner : c.extra)
            mesh.Vertex(corner.x, corner.y, kHalfWhite);
        mesh.Command(c.triangles, kNoClip);
        EXPECT_EQ(CoverageMap(mesh.Draw()), RectangleMap(2.5f, 2.5f, 12.5f, 12.5f)) << c.name;
    }
}

TEST(RasterizerTest, ClipRectanglesKeepThePixelsWhoseCentresTheyHold) {
    const struct {
        ImVec4 clip;
        std::string expected;
    } cases[] = {
        {{2.5f, 4.5f, 9.5f, 6.5f}, RectangleMap(2.5f, 4.5f, 9.5f, 6.5f)},
        {{2.6f, 4.4f, 9.4f, 6.6f}, RectangleMap(2.6f, 4.4f, 9.4f, 6.6f)},
        {{-50, -50, 50, 50}, RectangleMap(0, 0, kSize, kSize)},
        {{5, 5, 5, 9}, RectangleMap(0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        Mesh mesh;
        for (const ImVec2& corner :
             {ImVec2(-20, -20), ImVec2(40, -20), ImVec2(40, 40), ImVec2(-20, 40)})
            mesh.Vertex(corner.x, corner.y, kHalfWhite);
        mesh.Command({0, 1, 2, 0, 2, 3}, c.clip);
        EXPECT_EQ(CoverageMap(mesh.Draw()), c.expected)
            << c.clip.x << " " << c.clip.y << " " << c.clip.z << " " << c.clip.w;
    }
}

TEST(RasterizerTest, ColoursBlendAcrossTheTriangleAndOverTheImage) {
    Mesh mesh;
    mesh.Vertex(0, 0, IM_COL32(255, 0, 0, 255));
    mesh.Vertex(16, 0, IM_COL32(0, 255, 0, 255));
    mesh.Vertex(0, 16, IM_COL32(0, 0, 255, 255));
    mesh.Command({0, 1, 2}, kNoClip);
    const Image image = mesh.Draw();
    // Pixel (x, y) has weights x/16 green and y/16 blue at its centre.
    EXPECT_EQ(image.At(0, 0), (Rgba{239, 8, 8, 255}));
    EXPECT_EQ(image.At(7, 0), (Rgba{128, 120, 8, 255}));
    EXPECT_EQ(image.At(0, 7), (Rgba{128, 8, 120, 255}));
    EXPECT_EQ(image.At(14, 0), (Rgba{16, 231, 8, 255}));
    EXPECT_EQ(image.At(15, 0), kBlack); // its centre is on the long edge, a bottom-right one
}

TEST(RasterizerTest, TheFontTextureGivesCoverageAndOtherTexturesCountAsWhite) {
    const unsigned char texels[2] = {0, 255}; // left half empty, right half full
    const Texture font{2, 1, texels};
    int elsewhere = 0;
    Mesh mesh;
    // The same quad twice: rows 0-3 sample the font, rows 8-11 name another texture.
    for (float top : {0.0f, 8.0f}) {
        mesh.Vertex(0, top, IM_COL32(255, 200, 0, 255), 0.0f, 0.0f);
        mesh.Vertex(16, top, IM_COL32(255, 200, 0, 255), 1.0f, 0.0f);
        mesh.Vertex(16, top + 4, IM_COL32(255, 200, 0, 255), 1.0f, 1.0f);
        mesh.Vertex(0, top + 4, IM_COL32(255, 200, 0, 255), 0.0f, 1.0f);
    }
    mesh.Command({0, 1, 2, 0, 2, 3}, kNoClip, const_cast<Texture*>(&font));
    mesh.Command({0, 1, 2, 0, 2, 3}, kNoClip, &elsewhere, 4); // the second quad's vertices
    const Image image = mesh.Draw(font);
    EXPECT_EQ(image.At(3, 2), kBlack);
    EXPECT_EQ(image.At(12, 2), (Rgba{255, 200, 0, 255}));
    EXPECT_EQ(image.At(3, 9), (Rgba{255, 200, 0, 255}));
    EXPECT_EQ(image.At(3, 5), kBlack); // between the quads
}

TEST(RasterizerTest, BrokenTrianglesDrawNothing) {
    Mesh mesh;
    mesh.Vertex(0, 0, kHalfWhite);
    mesh.Vertex(16, 0, kHalfWhite);
    mesh.Vertex(0, 16, kHalfWhite);
    mesh.Vertex(std::nanf(""), 5, kHalfWhite);
    mesh.Vertex(INFINITY, 8, kHalfWhite);
    mesh.Command({0, 1, 3, 0, 4, 2, 0, 1, 9, 0, 1, 1}, kNoClip); // not finite, past the end, flat
    EXPECT_EQ(CoverageMap(mesh.Draw()), RectangleMap(0, 0, 0, 0));
}

} // namespace
} // namespace Corvane::Host
