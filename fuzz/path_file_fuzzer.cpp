// Feeds arbitrary bytes to the path-file reader. Besides crashes and sanitizer reports it
// stops on a broken promise of the reader:
//   - a refused file leaves the caller's path exactly as it was and names one problem on
//     one line;
//   - an accepted file writes back to text that reads back to the same path.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "storage/PathFormat.h"

namespace {

SnapshotMap Untouched() {
    CameraSnapshot marker;
    marker.frame = -77;
    marker.location = {1.0f, 2.0f, 3.0f};
    return {{-77, marker}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SnapshotMap path = Untouched();
    std::string error;
    if (!ParsePath(text, path, error)) {
        if (!(path == Untouched()) || error.empty() || error.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    SnapshotMap again;
    std::string problem;
    if (!ParsePath(SerializePath(path), again, problem) || !(again == path))
        std::abort();
    return 0;
}
