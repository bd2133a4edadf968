#pragma once
// Draws the reference shapes into the replay view, each edge as one 1.5-pixel line.

#include <vector>

#include "corvane/wrappers/CanvasWrapper.h"
#include "corvane/wrappers/GameWrapper.h"
#include "overlay/OverlayCamera.h"
#include "overlay/ReferenceShape.h"

// Visible shapes in list order, in their own colours; only in a replay.
void RenderShapes(CanvasWrapper canvas, const GameWrapper& game,
                  const std::vector<ReferenceShape>& shapes);

// One edge from a to b (world units). There is no clipping: an edge with an end behind the
// camera, or nearer than 0.001 to it, is not drawn at all.
void DrawWorldLine(CanvasWrapper& canvas, const OverlayCamera& camera, const Vector& a,
                   const Vector& b);
