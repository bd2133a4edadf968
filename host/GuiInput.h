#pragma once
// The host's mouse and keyboard as ImGui 1.86 reads them: its IO fields, filled before each
// frame.

#include "host/KeyboardInput.h"
#include "host/PointerInput.h"

struct ImGuiIO;

namespace Corvane::Host {

// Once per context: which of the host's keys (host/KeyboardInput.h) ImGui's navigation and
// text editing keys are, as indices into io.KeysDown.
void MapKeys(ImGuiIO& io);

void FeedPointer(ImGuiIO& io, const PointerFrame& pointer);
void FeedKeyboard(ImGuiIO& io, const KeyboardFrame& keyboard);

} // namespace Corvane::Host
