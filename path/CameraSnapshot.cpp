#include "path/CameraSnapshot.h"

bool CameraSnapshot::operator==(const CameraSnapshot& o) const {
    return frame == o.frame && timestamp == o.timestamp && FOV == o.FOV && location == o.location &&
           rotation == o.rotation && weight == o.weight && v3_kb_tension == o.v3_kb_tension &&
           v3_kb_bias == o.v3_kb_bias && v3_kb_continuity == o.v3_kb_continuity &&
           v3_bz_ctrl_out == o.v3_bz_ctrl_out && v3_bz_ctrl_in == o.v3_bz_ctrl_in &&
           v3_bz_has_custom == o.v3_bz_has_custom;
}
