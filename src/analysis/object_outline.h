#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "state/scene_records.h"

namespace meshmill {

struct ScenePoint {
  float x = 0;
  float y = 0;
  float z = 0;
};

// A point as `view` shows it.
OutlinePoint project(const ScenePoint& point, MapView view);

// The outline of an object's vertices in every view, gathered one vertex at a
// time in constant memory: the vertex that reaches farthest in each of a fixed
// set of directions (both ways along `axes` axes). Those vertices, in the order
// of their directions, make a convex polygon inside the convex hull that
// touches it all around; a box's outline is its hull.
class OutlineBuilder {
 public:
  static constexpr std::size_t axes = 8;

  void add(const ScenePoint& point);
  // The outline in `view`, counter-clockwise, without repeated corners: one
  // point or two for an object seen as a dot or a line.
  std::vector<OutlinePoint> outline(MapView view) const;
  void clear() { count_ = 0; }

 private:
  // Per view and axis: the lowest and the highest reach along the axis, and
  // the points that have them.
  struct Extremes {
    std::array<float, axes> low, high;
    std::array<OutlinePoint, axes> lowest, highest;
  };
  std::array<Extremes, map_view_count> extremes_{};
  std::size_t count_ = 0;
};

}  // namespace meshmill
