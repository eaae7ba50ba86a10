#include "report/map_views.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include "report/html_text.h"

namespace meshmill {

namespace {

constexpr std::array<const char*, map_view_count> view_ids = {"top", "front", "side"};
constexpr std::array<const char*, map_view_count> view_titles = {"Top", "Front", "Side"};
constexpr std::array<const char*, map_view_count> view_axes = {
    "seen from above: X to the right, Y up", "seen from the front: X to the right, Z up",
    "seen from the side: Y to the right, Z up"};

// The largest drawing, in the SVG's own units.
constexpr double map_width = 1000;
constexpr double map_height = 560;
constexpr double margin = 24;
constexpr double bar_room = 40;  // below the drawing: the scale bar

// The axes of the scene's bounding box that a view shows (0 x, 1 y, 2 z).
std::array<std::size_t, 2> view_axes_of(MapView view) {
  switch (view) {
    case MapView::front:
      return {0, 2};
    case MapView::side:
      return {1, 2};
    case MapView::top:
      break;
  }
  return {0, 1};
}

struct SceneBox {
  bool empty = true;
  std::array<double, 6> box{};  // min x, y, z, max x, y, z
};

SceneBox scene_box(const SceneRecords& records) {
  SceneBox scene;
  for (const ObjectRecord& object : records.objects) {
    if (!object.has_bbox) continue;
    for (std::size_t k = 0; k < 3; ++k) {
      scene.box[k] = scene.empty ? object.bbox[k] : std::min(scene.box[k], object.bbox[k]);
      scene.box[k + 3] =
          scene.empty ? object.bbox[k + 3] : std::max(scene.box[k + 3], object.bbox[k + 3]);
    }
    scene.empty = false;
  }
  return scene;
}

// How scene units map onto the SVG of one view.
class ViewFrame {
 public:
  ViewFrame(const SceneBox& scene, MapView view) {
    auto [h, v] = view_axes_of(view);
    left_ = scene.box[h];
    top_ = scene.box[v + 3];
    double width = scene.box[h + 3] - scene.box[h];
    double height = scene.box[v + 3] - scene.box[v];
    double extent = std::max({width, height, 1e-6});
    width = std::max(width, extent * 1e-3);
    height = std::max(height, extent * 1e-3);
    scale_ = std::min(map_width / width, map_height / height);
    // Every view has the same frame, so lettering keeps its size; the scene is centred in it.
    offset_x_ = margin + (map_width - width * scale_) / 2;
    offset_y_ = margin + (map_height - height * scale_) / 2;
  }

  double x(float scene_x) const {
    return offset_x_ + (static_cast<double>(scene_x) - left_) * scale_;
  }
  double y(float scene_y) const {
    return offset_y_ + (top_ - static_cast<double>(scene_y)) * scale_;
  }
  double scale() const { return scale_; }
  static double width() { return map_width + 2 * margin; }
  static double height() { return map_height + 2 * margin + bar_room; }
  static double drawing_bottom() { return margin + map_height; }

 private:
  double left_ = 0;
  double top_ = 0;
  double scale_ = 1;
  double offset_x_ = 0;
  double offset_y_ = 0;
};

void append_point(std::string& out, const ViewFrame& frame, float x, float y) {
  append_coordinate(out, frame.x(x));
  out += ' ';
  append_coordinate(out, frame.y(y));
}

// The path of one object: its triangles, or the outline of its vertices. An
// outline of one or two points is a dot or a line, drawn by the stroke.
void append_shape(std::string& out, const ObjectRecord& object, MapView view,
                  const ViewFrame& frame) {
  auto [h, v] = view_axes_of(view);
  if (!object.triangles.empty()) {
    const std::vector<float>& t = object.triangles;
    for (std::size_t i = 0; i + 8 < t.size(); i += 9) {
      out += 'M';
      append_point(out, frame, t[i + h], t[i + v]);
      out += 'L';
      append_point(out, frame, t[i + 3 + h], t[i + 3 + v]);
      out += ' ';
      append_point(out, frame, t[i + 6 + h], t[i + 6 + v]);
      out += 'Z';
    }
    return;
  }
  const auto& outline = object.outlines[static_cast<std::size_t>(view)];
  for (std::size_t i = 0; i < outline.size(); ++i) {
    out += i == 0 ? 'M' : i == 1 ? 'L' : ' ';
    append_point(out, frame, outline[i].x, outline[i].y);
  }
  if (outline.size() == 1) out += "h0";
  if (outline.size() >= 3) out += 'Z';
}

void append_title(std::string& out, const ObjectRecord& object) {
  out += "<title>";
  append_scene_html(out, object.name);
  out += "\n";
  if (object.file.empty()) {
    out += "no .asc file";
  } else {
    append_html(out, object.file);
  }
  out += "\n";
  append_count(out, object.faces);
  out += " faces, ";
  append_count(out, object.vertices);
  out += " vertices, ";
  out += object.status();
  if (!object.reason.empty()) {
    out += "\n";
    append_html(out, object.reason);
  }
  out += "</title>";
}

// The area an object covers in a view: large ones are drawn first, so that
// small ones stay on top where they can be pointed at.
double covered_area(const ObjectRecord& object, MapView view) {
  auto [h, v] = view_axes_of(view);
  return (object.bbox[h + 3] - object.bbox[h]) * (object.bbox[v + 3] - object.bbox[v]);
}

// A ring around every object skipped or left out, so that the smallest of
// them can be found on the map of a large scene.
void append_marks(std::string& out, const SceneRecords& records, MapView view,
                  const ViewFrame& frame) {
  auto [h, v] = view_axes_of(view);
  out += "<g class=\"marks\">";
  for (const ObjectRecord& object : records.objects) {
    if (!object.has_bbox || (!object.skipped && object.processing != ProcessingVerdict::left_out)) {
      continue;
    }
    const auto& b = object.bbox;
    double x = (frame.x(static_cast<float>(b[h])) + frame.x(static_cast<float>(b[h + 3]))) / 2;
    double y = (frame.y(static_cast<float>(b[v])) + frame.y(static_cast<float>(b[v + 3]))) / 2;
    double radius = std::hypot(b[h + 3] - b[h], b[v + 3] - b[v]) * frame.scale() / 2 + 8;
    out += "<circle cx=\"";
    append_coordinate(out, x);
    out += "\" cy=\"";
    append_coordinate(out, y);
    out += "\" r=\"";
    append_coordinate(out, std::min(radius, 60.0));
    out += "\"/>";
  }
  out += "</g>";
}

// A round length for the scale bar: 1, 2 or 5 times a power of ten, near a
// fifth of the drawing's width.
double bar_length(double scene_width) {
  double wanted = scene_width / 5;
  if (!(wanted > 0)) return 1;
  double power = std::pow(10.0, std::floor(std::log10(wanted)));
  for (double step : {5.0, 2.0, 1.0}) {
    if (step * power <= wanted) return step * power;
  }
  return power;
}

void append_scale_bar(std::string& out, const ViewFrame& frame) {
  double length = bar_length(map_width / frame.scale());
  double drawn = length * frame.scale();
  double y = frame.drawing_bottom() + 26;
  out += "<g class=\"bar\" data-length=\"";
  append_decimal(out, length, 6);
  out += "\"><path d=\"M";
  append_coordinate(out, margin);
  out += ' ';
  append_coordinate(out, y);
  out += "h";
  append_coordinate(out, drawn);
  out += "M";
  append_coordinate(out, margin);
  out += ' ';
  append_coordinate(out, y - 6);
  out += "v12M";
  append_coordinate(out, margin + drawn);
  out += ' ';
  append_coordinate(out, y - 6);
  out += "v12\"/><text x=\"";
  append_coordinate(out, margin + drawn + 10);
  out += "\" y=\"";
  append_coordinate(out, y + 5);
  out += "\">";
  append_decimal(out, length, 6);
  out += " units</text></g>";
}

void append_view(std::string& out, const SceneRecords& records, const FilePalette& palette,
                 const SceneBox& scene, MapView view) {
  const ViewFrame frame(scene, view);
  const auto v = static_cast<std::size_t>(view);
  out += "<svg id=\"map-";
  out += view_ids[v];
  out += "\" class=\"view\" viewBox=\"0 0 ";
  append_coordinate(out, frame.width());
  out += ' ';
  append_coordinate(out, frame.height());
  out += "\" role=\"img\" aria-label=\"";
  out += view_titles[v];
  out += " view of the scene\"><g class=\"objects\">";

  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < records.objects.size(); ++i) {
    if (records.objects[i].has_bbox) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return covered_area(records.objects[a], view) > covered_area(records.objects[b], view);
  });
  for (std::size_t i : order) {
    const ObjectRecord& object = records.objects[i];
    out += "<path class=\"";
    out += palette.object_class(object);
    out += "\" data-i=\"";
    append_count(out, static_cast<std::int64_t>(i));
    out += "\" data-object=\"";
    append_scene_html(out, object.name);
    out += "\" data-status=\"";
    out += object.status();
    if (!object.file.empty()) {
      out += "\" data-file=\"";
      append_html(out, object.file);
    }
    out += "\" d=\"";
    append_shape(out, object, view, frame);
    out += "\">";
    append_title(out, object);
    out += "</path>";
  }
  out += "</g>";
  append_marks(out, records, view, frame);
  append_scale_bar(out, frame);
  out += "<text class=\"axes\" x=\"";
  append_coordinate(out, frame.width() - margin);
  out += "\" y=\"";
  append_coordinate(out, frame.drawing_bottom() + 31);
  out += "\" text-anchor=\"end\">";
  out += view_axes[v];
  out += "</text></svg>";
}

void append_file_entries(std::string& out, const SceneRecords& records,
                         const FilePalette& palette) {
  for (const std::string& file : palette.files()) {
    std::int64_t count = 0;
    for (const ObjectRecord& object : records.objects) {
      if (object.file == file && palette.object_class(object) != "bad") ++count;
    }
    out += "<li><span class=\"chip ";
    out += palette.colour_class(file);
    out += "\"></span>";
    append_html(out, file);
    out += " <small>(";
    append_count(out, count);
    out += records.processed ? " written)" : " objects)";
    out += "</small></li>";
  }
}

void append_legend(std::string& out, const SceneRecords& records, const FilePalette& palette) {
  // Many files make a long legend: their entries stay folded, a click away.
  const bool folded = palette.files().size() > 12;
  out += "<ul class=\"legend\">";
  if (!folded) append_file_entries(out, records, palette);
  out += "<li><span class=\"chip bad\"></span>";
  out += records.processed ? "skipped or left out" : "skipped";
  out += "</li>";
  if (records.processed) {
    out += "<li><span class=\"chip off\"></span>filtered out by \"Include only following objects\"</li>";
  }
  out += "</ul>";
  if (folded) {
    out += "<details><summary>";
    append_count(out, static_cast<std::int64_t>(palette.files().size()));
    out += " .asc files</summary><ul class=\"legend\">";
    append_file_entries(out, records, palette);
    out += "</ul></details>";
  }
}

}  // namespace

MapView widest_view(const SceneRecords& records) {
  SceneBox scene = scene_box(records);
  MapView widest = MapView::top;
  double widest_area = -1;
  for (std::size_t v = 0; v < map_view_count; ++v) {
    auto [h, w] = view_axes_of(static_cast<MapView>(v));
    double area = (scene.box[h + 3] - scene.box[h]) * (scene.box[w + 3] - scene.box[w]);
    if (area > widest_area) {
      widest_area = area;
      widest = static_cast<MapView>(v);
    }
  }
  return widest;
}

void append_map(std::string& out, const SceneRecords& records, const FilePalette& palette,
                MapView first_view) {
  const SceneBox scene = scene_box(records);
  out += "<section id=\"map\"><h2>Map</h2>";
  if (scene.empty) {
    out += "<p>No object of this scene has vertices to draw.</p></section>";
    return;
  }
  for (std::size_t v = 0; v < map_view_count; ++v) {
    out += "<input type=\"radio\" name=\"view\" id=\"view-";
    out += view_ids[v];
    out += "\"";
    if (static_cast<MapView>(v) == first_view) out += " checked=\"checked\"";
    out += "/><label for=\"view-";
    out += view_ids[v];
    out += "\">";
    out += view_titles[v];
    out += "</label>";
  }
  out += "<span class=\"hint\">Point at an object to see its name; with script, the wheel zooms, a drag "
         "moves and a double click resets.</span>";
  out += "<div class=\"views\">";
  for (std::size_t v = 0; v < map_view_count; ++v) {
    append_view(out, records, palette, scene, static_cast<MapView>(v));
  }
  out += "</div>";
  append_legend(out, records, palette);
  out += "</section>";
}

}  // namespace meshmill
