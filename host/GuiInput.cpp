#include "host/GuiInput.h"

#include <imgui.h>

namespace Corvane::Host {

namespace {

struct KeyBinding {
    ImGuiKey imguiKey;
    Key key;
};

constexpr KeyBinding kBindings[] = {
    {ImGuiKey_Tab, Key::Tab},
    {ImGuiKey_LeftArrow, Key::LeftArrow},
    {ImGuiKey_RightArrow, Key::RightArrow},
    {ImGuiKey_UpArrow, Key::UpArrow},
    {ImGuiKey_DownArrow, Key::DownArrow},
    {ImGuiKey_Home, Key::Home},
    {ImGuiKey_End, Key::End},
    {ImGuiKey_Delete, Key::Delete},
    {ImGuiKey_Backspace, Key::Backspace},
    {ImGuiKey_Enter, Key::Enter},
    {ImGuiKey_Escape, Key::Escape},
    {ImGuiKey_A, Key::A},
    {ImGuiKey_C, Key::C},
    {ImGuiKey_V, Key::V},
    {ImGuiKey_X, Key::X},
    {ImGuiKey_Y, Key::Y},
    {ImGuiKey_Z, Key::Z},
};

} // namespace

void MapKeys(ImGuiIO& io) {
    for (const KeyBinding& binding : kBindings)
        io.KeyMap[binding.imguiKey] = static_cast<int>(binding.key);
}

void FeedPointer(ImGuiIO& io, const PointerFrame& pointer) {
    io.MousePos = ImVec2(pointer.x, pointer.y);
    for (int b = 0; b < PointerFrame::kButtons; ++b)
        io.MouseDown[b] = pointer.down[b];
    io.MouseWheel = pointer.wheel;
}

void FeedKeyboard(ImGuiIO& io, const KeyboardFrame& keyboard) {
    for (int k = 0; k < KeyboardFrame::kKeys; ++k)
        io.KeysDown[k] = keyboard.down[k];
    io.KeyCtrl = keyboard.Down(Key::Ctrl);
    io.KeyShift = keyboard.Down(Key::Shift);
    io.AddInputCharactersUTF8(keyboard.text.c_str());
}

} // namespace Corvane::Host
