// Pictures of a frame: the field seen from the camera, the probe plugin's canvas calls and
// its ImGui window, checked pixel by pixel where each must show; and @shot's PNG files.

#include "host/Picture.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include "host/Arena.h"
#include "tests/host/ProbePlugin.h"
#include "tests/support/TestHost.h"

namespace {

using namespace Corvane::Host;
using Quorvel::Testing::TestHost;

constexpr int kQuarterTurn = 16384; // rotator units
constexpr Rgba kGreen{0, 255, 0, 255}, kMagenta{255, 0, 255, 255}, kBlue{0, 0, 255, 255},
    kYellow{255, 255, 0, 255};

class PictureTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Load(&exports));
        host.EnterReplay();
        host.GetWorld().SetCarCount(0);
    }
    // Whether any pixel of the rectangle [x0, x1) x [y0, y1) has the colour.
    static bool Shows(const Image& image, Rgba colour, int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (image.At(x, y) == colour)
                    return true;
        return false;
    }
    TestHost host;
};

TEST_F(PictureTest, TheFieldIsSeenFromTheCamera) {
    const struct {
        const char* name;
        Vector location;
        Rotator rotation;
        struct {
            int x, y;
            Rgba colour;
        } pixels[4];
    } cases[] = {
        // The ball 1000 ahead at eye height: 59.5 pixels across its radius, on the horizon;
        // the middle line runs straight away below it.
        {"LookingAtTheBall",
         {-1000, 0, 93},
         {},
         {{640, 310, Arena::kBall},
          {590, 340, Arena::kBall},
          {640, 290, Arena::kSky},
          {640, 500, Arena::kLines}}},
        // Straight down from 500 up, away from every line: nothing but floor, though most of
        // the floor is behind the camera. (The probe draws from the centre to the ball.)
        {"StraightDown",
         {1000, 2000, 500},
         {-kQuarterTurn, 0, 0},
         {{1279, 0, Arena::kFloor},
          {1279, 719, Arena::kFloor},
          {900, 200, Arena::kFloor},
          {0, 719, Arena::kFloor}}},
        {"StraightUp",
         {1000, 2000, 500},
         {kQuarterTurn, 0, 0},
         {{1279, 0, Arena::kSky},
          {1279, 719, Arena::kSky},
          {900, 200, Arena::kSky},
          {0, 719, Arena::kSky}}},
        // 1000 in front of the orange goal's mouth at crossbar height: the crossbar on the
        // horizon, 571 pixels to either side the posts (+X on the left: the image's right is
        // -X), the sky above.
        {"FacingTheOrangeGoal",
         {0, 4120, 643},
         {0, kQuarterTurn, 0},
         {{640, 360, Arena::kOrangeTeam},
          {69, 500, Arena::kOrangeTeam},
          {1211, 500, Arena::kOrangeTeam},
          {640, 340, Arena::kSky}}},
    };
    host.GetWorld().PinBall({0, 0, 93});
    for (const auto& c : cases) {
        host.SetCamera(c.location, c.rotation, 90);
        host.Tick();
        const Image picture = host.Picture();
        for (const auto& pixel : c.pixels) {
            const Rgba seen = picture.At(pixel.x, pixel.y);
            EXPECT_EQ(seen, pixel.colour)
                << c.name << " at " << pixel.x << ", " << pixel.y << ": " << int(seen.r) << " "
                << int(seen.g) << " " << int(seen.b);
        }
    }
}

TEST_F(PictureTest, CarsAreBoxesInTheirTeamsColours) {
    host.GetWorld().SetCarCount(2);
    host.GetWorld().PinCar(0, {0, 300, 17});  // blue, right of the view's centre
    host.GetWorld().PinCar(1, {0, -300, 17}); // orange, left
    host.GetWorld().PinBall({0, 0, -5000});   // out of sight
    host.SetCamera({-1000, 0, 93}, {}, 90);
    host.Tick();
    const Image picture = host.Picture();
    // 1000 ahead, 76 below the eye and 300 aside: centred 192 pixels from the middle.
    EXPECT_EQ(picture.At(832, 409), Arena::kBlueTeam);
    EXPECT_EQ(picture.At(448, 409), Arena::kOrangeTeam);
    EXPECT_EQ(picture.At(832, 370), Arena::kSky); // above the car's roof
}

TEST_F(PictureTest, CanvasCallsAndTheWindowAreDrawnOverTheField) {
    host.Run("probe_marks 1");
    host.Run("togglemenu probe");
    host.SetCamera({-1000, 0, 93}, {}, 90);
    host.Tick(2); // ImGui shows a new window from its second frame
    const Image picture = host.Picture();
    ASSERT_EQ(picture.Width(), 1280);
    ASSERT_EQ(picture.Height(), 720);

    // A line without width covers the row of its pixels, from its first pixel on.
    for (int x : {100, 200, 299})
        EXPECT_EQ(picture.At(x, 600), kGreen) << x;
    for (auto [x, y] : {std::pair{99, 600}, {301, 600}, {200, 599}, {200, 601}})
        EXPECT_NE(picture.At(x, y), kGreen) << x << ", " << y;
    // Width 6 around the row of the line's pixels.
    for (int y = 647; y <= 652; ++y)
        EXPECT_EQ(picture.At(200, y), kMagenta) << y;
    EXPECT_NE(picture.At(200, 646), kMagenta);
    EXPECT_NE(picture.At(200, 653), kMagenta);
    // The box's 50 x 40 pixels from its position, but where the window covers it.
    for (auto [x, y] : {std::pair{1000, 100}, {1049, 100}, {1000, 139}, {1019, 139}})
        EXPECT_EQ(picture.At(x, y), kBlue) << x << ", " << y;
    for (auto [x, y] : {std::pair{999, 100}, {1050, 100}, {1000, 99}, {1000, 140}, {1030, 130}})
        EXPECT_NE(picture.At(x, y), kBlue) << x << ", " << y;
    // Text 13 pixels high, stretched twice as wide: "probe" takes about 70 pixels.
    EXPECT_TRUE(Shows(picture, kYellow, 1000, 300, 1010, 313));
    EXPECT_TRUE(Shows(picture, kYellow, 1055, 300, 1070, 313));
    EXPECT_FALSE(Shows(picture, kYellow, 1072, 290, 1200, 330));
    EXPECT_FALSE(Shows(picture, kYellow, 990, 290, 1000, 330));
    EXPECT_FALSE(Shows(picture, kYellow, 1000, 314, 1072, 330)); // below the descenders
    // The window's dark background, and its text in ImGui's light grey.
    const Rgba body = picture.At(int(kProbeWindowX) + 150, int(kProbeWindowY) + 80);
    EXPECT_LT(body.r + body.g + body.b, 75);
    EXPECT_TRUE(Shows(picture, Rgba{255, 255, 255, 255}, int(kProbeWindowX),
                      int(kProbeWindowY) + 20, int(kProbeWindowX) + 120, int(kProbeWindowY) + 50));
}

TEST_F(PictureTest, ThePictureHasTheSizeOfTheCanvasOfItsFrame) {
    host.GetWorld().GetCanvas().SetSize(640, 480);
    host.Tick();
    host.GetWorld().GetCanvas().SetSize(800, 600); // for the next frame
    const Image picture = host.Picture();
    EXPECT_EQ(picture.Width(), 640);
    EXPECT_EQ(picture.Height(), 480);
}

TEST_F(PictureTest, ShotWritesThePictureAsAPngFileInTheDataFolder) {
    host.Run("probe_marks 1");
    ASSERT_EQ(host.RunScript("@canvas 1100 700\n@tick\n@shot pictures/first one.png  \n"), 0)
        << host.Errors();
    const std::string file = (host.DataFolder() / "pictures" / "first one.png").string();
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(file.c_str(), &width, &height, &channels, 4);
    ASSERT_NE(pixels, nullptr) << file;
    EXPECT_EQ(width, 1100);
    EXPECT_EQ(height, 700);
    const Image picture = host.Picture();
    const unsigned char* box = pixels + (100 * 1100 + 1010) * 4; // in the blue box
    EXPECT_EQ((Rgba{box[0], box[1], box[2], box[3]}), kBlue);
    EXPECT_EQ((Rgba{box[0], box[1], box[2], box[3]}), picture.At(1010, 100));
    stbi_image_free(pixels);
}

TEST(ShotTest, AShotNeedsARenderedFrameAndAFileItCanWrite) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"@shot a.png\n", "test:1: @shot needs a rendered frame (@tick first): @shot a.png"},
        {"@tick\n@shot\n", "test:2: @shot needs a file name: @shot"},
        {"@tick\n@shot config.cfg/a.png\n", "test:2: @shot cannot write "},
    };
    for (const auto& c : cases) {
        TestHost host;
        ASSERT_TRUE(host.Load(&exports));
        host.Unload(); // writes config.cfg, a file where the last case wants a folder
        ASSERT_TRUE(host.Load(&exports));
        EXPECT_EQ(host.RunScript(c.script), 2);
        EXPECT_NE(host.Errors().find(c.error), std::string::npos) << host.Errors();
    }
}

} // namespace
