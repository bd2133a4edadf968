#include "host/Picture.h"

#include <imgui.h>

#include "host/Arena.h"
#include "host/CanvasDrawing.h"
#include "host/Rasterizer.h"
#include "host/SceneDrawing.h"
#include "host/World.h"

namespace Corvane::Host {

Image TakePicture(const World& world) {
    const FrameView& frame = world.Shown();
    const GuiContext& gui = world.Gui();
    const Texture& font = gui.FontTexture();
    Image image(frame.size.X, frame.size.Y, frame.hasCamera ? Arena::kSky : Arena::kMenu);

    gui.MakeCurrent();
    ImDrawList list(ImGui::GetDrawListSharedData());
    list._ResetForNewFrame();
    list.Flags = ImDrawListFlags_AllowVtxOffset; // and no anti-aliasing: hard pixel edges
    list.PushClipRect(ImVec2(0.0f, 0.0f), ImVec2(float(frame.size.X), float(frame.size.Y)));
    list.PushTextureID(ImGui::GetIO().Fonts->TexID);
    DrawScene(frame, list);
    DrawCanvasCalls(world.GetCanvas().Calls(), *gui.DefaultFont(), list);
    RasterizeDrawList(list, font, image);

    if (const ImDrawData* windows = gui.DrawData())
        RasterizeDrawData(*windows, font, image);
    return image;
}

} // namespace Corvane::Host
