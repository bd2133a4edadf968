// Value-changed handlers: settings that playback reads every frame are mirrored into
// DollyCam here, so Apply never looks a variable up.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "interp/InterpStrategy.h"
#include "plugin/DollyCamPlugin.h"

void DollyCamPlugin::onInterpModeChanged(std::string, CVarWrapper cvar) {
    const std::string name = cvar.getCVarName();
    if (name == "dolly_interpmode") {
        // The combined mode only forwards to the two channels, whose handlers rebuild.
        const std::string value = cvar.getStringValue();
        cvarManager->executeCommand("dolly_interpmode_location " + value, false);
        cvarManager->executeCommand("dolly_interpmode_rotation " + value, false);
    } else if (name == "dolly_interpmode_location") {
        dollyCam->UpdateLocationStrategy();
        std::string strategy = "none";
        if (dollyCam->locationStrategy)
            strategy = dollyCam->locationStrategy->GetName();
        else if (dollyCam->rotationStrategy)
            strategy = dollyCam->rotationStrategy->GetName();
        cvarManager->log("Location interp: " + strategy);
    } else if (name == "dolly_interpmode_rotation") {
        dollyCam->UpdateRotationStrategy();
        const std::string strategy =
            dollyCam->rotationStrategy ? dollyCam->rotationStrategy->GetName() : "none";
        cvarManager->log("Rotation interp: " + strategy);
    }
}

void DollyCamPlugin::onRenderFrameChanged(std::string, CVarWrapper cvar) {
    dollyCam->showFrameNumbers = cvar.getBoolValue();
}

void DollyCamPlugin::onChaikinDegreeChanged(std::string, CVarWrapper) {
    // Only the location channel (and the drawn path) follows at once; the rotation strategy
    // keeps its subdivision until it is rebuilt for another reason.
    dollyCam->UpdateLocationStrategy();
}

void DollyCamPlugin::onLockTargetChanged(std::string, CVarWrapper) {
    const int target = cvarManager->getCvar("dolly_lock_target").getIntValue();
    dollyCam->lockTarget = (target == 1 || target == 2) ? target : 0;
    // The car index has no handler of its own: it reaches playback with the next target change.
    dollyCam->lockCarIndex = cvarManager->getCvar("dolly_lock_car_index").getIntValue();
}

void DollyCamPlugin::onSoftFollowChanged(std::string, CVarWrapper) {
    const float tension = cvarManager->getCvar("dolly_soft_follow_tension").getFloatValue();
    if (!std::isfinite(tension)) {
        // The spring would move the camera to infinity: keep the tension it had.
        cvarManager->log("dolly_soft_follow_tension: not a valid number");
        return;
    }
    dollyCam->softFollow = cvarManager->getCvar("dolly_soft_follow").getBoolValue();
    dollyCam->softFollowTension = tension;
    dollyCam->softFollowPrimed = false;
}

void DollyCamPlugin::onFrameShiftChanged(std::string, CVarWrapper cvar) {
    // A shift is either 0 or between 5 and 20 frames either way; the variable keeps the typed
    // value and only the mirror is clamped.
    int shift = cvar.getIntValue();
    if (shift != 0) {
        const int magnitude = static_cast<int>(
            std::clamp<long long>(std::llabs(static_cast<long long>(shift)), 5, 20));
        shift = shift < 0 ? -magnitude : magnitude;
    }
    dollyCam->frameShift = shift;
}

void DollyCamPlugin::onSplineAccuracyChanged(std::string, CVarWrapper cvar) {
    // Read by the B-spline strategies at every evaluation, built or yet to be built.
    *dollyCam->splineAccuracy = cvar.getIntValue();
}

void DollyCamPlugin::onSpeedNormChanged(std::string, CVarWrapper cvar) {
    dollyCam->speedNormalisation = cvar.getBoolValue();
    if (dollyCam->speedNormalisation)
        dollyCam->RebuildArcLengthTable();
}
