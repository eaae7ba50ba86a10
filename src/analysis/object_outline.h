#pragma once

#include <cstddef>
#include <vector>

#include "state/scene_records.h"

namespace meshmill {

struct ScenePoint {
  float x = 0;
  float y = 0;
  float z = 0;
};

// The convex hull of `points` as `view` shows them, counter-clockwise, with
// at most `max_corners` corners (a larger hull keeps evenly spaced corners).
// `scratch` is reused from call to call.
std::vector<OutlinePoint> view_outline(const std::vector<ScenePoint>& points, MapView view,
                                       std::size_t max_corners, std::vector<OutlinePoint>& scratch);

// A point as `view` shows it.
OutlinePoint project(const ScenePoint& point, MapView view);

}  // namespace meshmill
