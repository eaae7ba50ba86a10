#include "analysis/object_outline.h"

#include <cmath>

namespace meshmill {

namespace {

struct Axes {
  std::array<float, OutlineBuilder::axes> x, y;
};

// Evenly spaced over half a circle, counter-clockwise from the X axis; each
// axis gives two directions, its own and the opposite one.
const Axes& unit_axes() {
  static const Axes table = [] {
    Axes a{};
    for (std::size_t k = 0; k < OutlineBuilder::axes; ++k) {
      double angle = 3.14159265358979323846 * static_cast<double>(k) /
                     static_cast<double>(OutlineBuilder::axes);
      a.x[k] = static_cast<float>(std::cos(angle));
      a.y[k] = static_cast<float>(std::sin(angle));
    }
    return a;
  }();
  return table;
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

void OutlineBuilder::add(const ScenePoint& point) {
  const Axes& a = unit_axes();
  for (std::size_t v = 0; v < map_view_count; ++v) {
    OutlinePoint p = project(point, static_cast<MapView>(v));
    Extremes& e = extremes_[v];
    if (count_ == 0) {
      for (std::size_t k = 0; k < axes; ++k) {
        e.low[k] = e.high[k] = a.x[k] * p.x + a.y[k] * p.y;
        e.lowest[k] = e.highest[k] = p;
      }
      continue;
    }
    for (std::size_t k = 0; k < axes; ++k) {
      float reach = a.x[k] * p.x + a.y[k] * p.y;
      if (reach > e.high[k]) {
        e.high[k] = reach;
        e.highest[k] = p;
      } else if (reach < e.low[k]) {
        e.low[k] = reach;
        e.lowest[k] = p;
      }
    }
  }
  ++count_;
}

std::vector<OutlinePoint> OutlineBuilder::outline(MapView view) const {
  std::vector<OutlinePoint> corners;
  if (count_ == 0) return corners;
  auto same = [](const OutlinePoint& a, const OutlinePoint& b) { return a.x == b.x && a.y == b.y; };
  const Extremes& e = extremes_[static_cast<std::size_t>(view)];
  // Around the circle: the highest along each axis, then the lowest.
  auto take = [&](const OutlinePoint& p) {
    // A corner holds the extreme of every direction between its two edges.
    if (corners.empty() || !same(corners.back(), p)) corners.push_back(p);
  };
  for (const OutlinePoint& p : e.highest) take(p);
  for (const OutlinePoint& p : e.lowest) take(p);
  while (corners.size() > 1 && same(corners.front(), corners.back())) corners.pop_back();
  // A vertex may win two directions that are not neighbours only when the
  // outline is a line seen from its ends: keep each point once.
  if (corners.size() > 2) {
    std::vector<OutlinePoint> unique;
    for (const OutlinePoint& p : corners) {
      bool seen = false;
      for (const OutlinePoint& q : unique) seen = seen || same(p, q);
      if (!seen) unique.push_back(p);
    }
    corners.swap(unique);
  }
  return corners;
}

}  // namespace meshmill
