#include "tests/core/SimRun.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace Quorvel::Testing {

std::vector<TrackRow> ReadTrack(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line); // header
    std::vector<TrackRow> rows;
    while (std::getline(in, line)) {
        for (char& c : line)
            if (c == ',')
                c = ' ';
        std::istringstream fields(line);
        long tick = 0;
        double seconds = 0;
        TrackRow r;
        fields >> tick >> r.frame >> seconds >> r.x >> r.y >> r.z >> r.pitch >> r.yaw >> r.roll >>
            r.fov;
        rows.push_back(r);
    }
    return rows;
}

int RunSim(const std::string& arguments) {
    const std::string command =
        std::string(QUORVEL_BUILD_DIR) + "/corvane-sim " + arguments + " > /dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace Quorvel::Testing
