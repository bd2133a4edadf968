#include "host/DemoSession.h"

namespace Corvane::Host {

const char* DemoScript() {
    return R"(# A replay in the free-fly camera: four snapshots, then two interpolation modes.
@replay
@flycam
@camera 0 -3000 600 -1500 16384 0 90
@frame 0
dolly_snapshot_take
@camera 1500 -2000 800 -2000 24000 0 90
@frame 90
dolly_snapshot_take
@camera 2500 0 900 -2500 32768 0 80
@frame 180
dolly_snapshot_take
@camera 1500 2000 700 -1800 40000 0 90
@frame 270
dolly_snapshot_take
dolly_snapshot_list
dolly_snapshot_info 90
dolly_snapshot_delete 2
dolly_snapshot_list
dolly_interpmode 0
dolly_interpmode 2
@tick 30
@pose
@leave
)";
}

} // namespace Corvane::Host
