#pragma once
// The game's perspective camera, as the host draws through it: a pinhole at the camera's
// location looking along its rotation, with a horizontal field of view spread over the
// canvas width.
//
// Units: world units (Z up, yaw = atan2(y, x), so at yaw 0 the image's right is +Y);
// rotator units for the rotation (65536 a turn; positive pitch looks up; positive roll turns
// the camera clockwise as seen from behind it, so its right side dips and the horizon in the
// image climbs to the right); degrees for the field of view (outside (0, 180) it counts as
// 90); canvas pixels with the origin at the top-left corner and Y down.

#include "corvane/wrappers/WrapperStructs.h"

namespace Corvane::Host {

// A point relative to the camera, in world units along its three axes.
struct ViewPoint {
    double ahead = 0.0; // along the view direction; 0 or less is behind (or beside) the camera
    double right = 0.0;
    double up = 0.0;
};

// Canvas pixels of a point in front of the camera.
struct CanvasPoint {
    double x = 0.0;
    double y = 0.0;
};

class Perspective {
public:
    Perspective(const POV& camera, int canvasWidth, int canvasHeight);

    ViewPoint ToView(const Vector& point) const;
    // Only meaningful for view.ahead > 0.
    CanvasPoint ToCanvas(const ViewPoint& view) const;
    // Pixels a length of one world unit covers, across the view, at that distance ahead.
    double PixelsPerUnit(double ahead) const { return focalPixels / ahead; }

private:
    struct Axis {
        double x = 0.0, y = 0.0, z = 0.0;
    };

    Vector origin;
    Axis ahead, right, up;
    double focalPixels = 0.0; // distance of the image plane, in pixels
    double centreX = 0.0;
    double centreY = 0.0;
};

} // namespace Corvane::Host
