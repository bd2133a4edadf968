#include "host/PngFile.h"

#include <stb/stb_image_write.h>

#include <fstream>

namespace Corvane::Host {

namespace {

void WriteBytes(void* context, void* data, int size) {
    static_cast<std::ofstream*>(context)->write(static_cast<const char*>(data), size);
}

} // namespace

bool WritePng(const Image& image, const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const int encoded = stbi_write_png_to_func(&WriteBytes, &out, image.Width(), image.Height(), 4,
                                               image.Data(), image.Width() * 4);
    out.close();
    return encoded != 0 && static_cast<bool>(out);
}

} // namespace Corvane::Host
