#pragma once
// Pictures as PNG files (8-bit RGBA), through stb_image_write.

#include <filesystem>

#include "host/Image.h"

namespace Corvane::Host {

// False when the file cannot be written.
bool WritePng(const Image& image, const std::filesystem::path& file);

} // namespace Corvane::Host
