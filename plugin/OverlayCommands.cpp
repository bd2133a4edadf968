// Console commands for the orbit view and the reference shapes. The settings window will
// offer both too; the console lets scripts and the demo reach them without it.

#include <algorithm>

#include "plugin/DollyCamPlugin.h"
#include "tools/ArgumentParsing.h"

namespace {

// Far enough to see a short path whole, yet not so far that a long one fills only the middle.
constexpr float kMinOrbitDistance = 800.0f;
constexpr float kOrbitDistancePerExtent = 0.8f;
constexpr float kOrbitStartPitch = 0.5f; // radians, looking down at the path

constexpr const char* kShapeUsage = "Usage: cube|circle x y z [w d h | radius]";

} // namespace

// Toggles the orbit view around the centre of the box that holds every waypoint.
void DollyCamPlugin::onOrbitCommand(const std::vector<std::string>&) {
    if (orbitView.orbiting) {
        orbitView.orbiting = false;
        cvarManager->log("Orbit view off");
        return;
    }
    if (dollyCam->snapshots->empty()) {
        cvarManager->log("No waypoints to orbit");
        return;
    }
    Vector low(1e9f, 1e9f, 1e9f), high(-1e9f, -1e9f, -1e9f);
    for (const auto& entry : *dollyCam->snapshots) {
        const Vector& p = entry.second.location;
        low = Vector(std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z));
        high = Vector(std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z));
    }
    const Vector extent = high - low;
    const float largest = std::max({extent.X, extent.Y, extent.Z});
    const float distance = std::max(kOrbitDistancePerExtent * largest, kMinOrbitDistance);
    selectedFrame = -1;
    StartOrbit((low + high) * 0.5f, distance, 0.0f, kOrbitStartPitch);
    if (orbitView.orbiting)
        cvarManager->log("Orbit view on");
}

// dolly_shape_add cube X Y Z [W D H] or circle X Y Z [RADIUS]; sizes left out keep the
// defaults. dolly_shape_clear removes every shape.
void DollyCamPlugin::onShapeCommand(const std::vector<std::string>& params) {
    if (params.front() == "dolly_shape_clear") {
        referenceShapes.clear();
        return;
    }
    ArgumentReader reader(*cvarManager, params);
    if (!reader.Require(5, kShapeUsage))
        return;
    const bool cube = params[1] == "cube";
    if (!cube && params[1] != "circle") {
        cvarManager->log(kShapeUsage);
        return;
    }
    ReferenceShape shape;
    if (!reader.ReadFloat(2, shape.position.X) || !reader.ReadFloat(3, shape.position.Y) ||
        !reader.ReadFloat(4, shape.position.Z))
        return;
    if (cube && params.size() >= 8 &&
        (!reader.ReadFloat(5, shape.size.X) || !reader.ReadFloat(6, shape.size.Y) ||
         !reader.ReadFloat(7, shape.size.Z)))
        return;
    if (!cube && params.size() >= 6 && !reader.ReadFloat(5, shape.size.Z))
        return;
    ReferenceShape& added =
        AddReferenceShape(referenceShapes, cube ? ReferenceShape::Cube : ReferenceShape::Circle);
    added.position = shape.position;
    added.size = shape.size;
    cvarManager->log(std::string("Added ") + added.label);
}
