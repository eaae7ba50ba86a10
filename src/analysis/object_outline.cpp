#include "analysis/object_outline.h"

#include <algorithm>

namespace meshmill {

namespace {

// Positive when a, b, c turn counter-clockwise.
double turn(const OutlinePoint& a, const OutlinePoint& b, const OutlinePoint& c) {
  auto d = [](float v) { return static_cast<double>(v); };
  return (d(b.x) - d(a.x)) * (d(c.y) - d(a.y)) - (d(b.y) - d(a.y)) * (d(c.x) - d(a.x));
}

bool before(const OutlinePoint& a, const OutlinePoint& b) {
  return a.x < b.x || (a.x == b.x && a.y < b.y);
}

bool same(const OutlinePoint& a, const OutlinePoint& b) {
  return a.x == b.x && a.y == b.y;
}

}  // namespace

OutlinePoint project(const ScenePoint& point, MapView view) {
  switch (view) {
    case MapView::front:
      return {point.x, point.z};
    case MapView::side:
      return {point.y, point.z};
    case MapView::top:
      break;
  }
  return {point.x, point.y};
}

std::vector<OutlinePoint> view_outline(const std::vector<ScenePoint>& points, MapView view,
                                       std::size_t max_corners,
                                       std::vector<OutlinePoint>& scratch) {
  scratch.clear();
  for (const ScenePoint& point : points) scratch.push_back(project(point, view));
  std::sort(scratch.begin(), scratch.end(), before);
  scratch.erase(std::unique(scratch.begin(), scratch.end(), same), scratch.end());
  if (scratch.size() < 3) return scratch;

  // Andrew's monotone chain: the lower hull, then the upper one.
  std::vector<OutlinePoint> hull(2 * scratch.size());
  std::size_t k = 0;
  for (const OutlinePoint& p : scratch) {
    while (k >= 2 && turn(hull[k - 2], hull[k - 1], p) <= 0) --k;
    hull[k++] = p;
  }
  for (std::size_t i = scratch.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && turn(hull[k - 2], hull[k - 1], scratch[i]) <= 0) --k;
    hull[k++] = scratch[i];
  }
  hull.resize(k - 1);  // the last point is the first one again

  if (hull.size() > max_corners && max_corners >= 3) {
    std::vector<OutlinePoint> kept;
    for (std::size_t i = 0; i < max_corners; ++i) kept.push_back(hull[i * hull.size() / max_corners]);
    return kept;
  }
  return hull;
}

}  // namespace meshmill
