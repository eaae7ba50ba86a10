#include "analysis/object_recorder.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "format/asc_line_parser.h"
#include "format/keywords.h"
#include "platform/code_page.h"

namespace meshmill {

namespace {

constexpr std::string_view ase_vertex_key = "\t\t\t*MESH_VERTEX ";
constexpr std::string_view ase_face_key = "\t\t\t*MESH_FACE ";
constexpr std::string_view material_ref_key = "\t*MATERIAL_REF ";

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A coordinate for the map: anything that is not a finite number counts as 0,
// and absurd values are held within what a float carries.
float coordinate(std::string_view text) {
  text = trim_blanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0;
  return static_cast<float>(std::clamp(value, -1e30, 1e30));
}

// The TAB-separated field `n` of a line; empty when there are fewer.
std::string_view tab_field(std::string_view line, int n) {
  for (int i = 0; i < n; ++i) {
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return {};
    line.remove_prefix(tab + 1);
  }
  return line.substr(0, line.find('\t'));
}

// The index after `marker`, searched from `from`; -1 when there is none.
std::int64_t corner_after(std::string_view line, std::string_view marker, std::size_t& from) {
  std::size_t at = line.find(marker, from);
  if (at == std::string_view::npos) return -1;
  from = at + marker.size();
  std::string_view rest = line.substr(from);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  std::int64_t value = -1;
  std::from_chars(rest.data(), rest.data() + rest.size(), value);
  return value;
}

}  // namespace

ObjectRecorder::ObjectRecorder(SceneRecords& records) : records_(records) {
  records_.objects.clear();
  records_.processed = false;
  records_.triangles_kept = true;
}

ObjectRecorder::~ObjectRecorder() {
  end_object();
}

void ObjectRecorder::begin(std::int64_t line) {
  end_object();
  records_.objects.emplace_back();
  records_.objects.back().line = line;
  open_ = true;
}

void ObjectRecorder::name(std::string_view name) {
  if (open_) records_.objects.back().name.assign(name);
}

void ObjectRecorder::ase_line(std::string_view line) {
  if (!open_) return;
  if (begins_with_upper(line, material_ref_key)) {
    records_.objects.back().material_ref = trim_blanks(line.substr(material_ref_key.size()));
  }
  if (begins_with_upper(line, ase_vertex_key)) {
    points_.push_back({coordinate(tab_field(line, 4)), coordinate(tab_field(line, 5)),
                       coordinate(tab_field(line, 6))});
  } else if (begins_with_upper(line, ase_face_key)) {
    ++faces_seen_;
    face_corners(line);
  }
}

void ObjectRecorder::vertex_line(std::int64_t, std::string_view line) {
  if (!open_) return;
  VertexFields fields;
  processar("vc", line, fields);
  points_.push_back(
      {coordinate(fields.field[1]), coordinate(fields.field[2]), coordinate(fields.field[3])});
}

void ObjectRecorder::face_line(std::int64_t, std::string_view line) {
  if (!open_) return;
  ++faces_seen_;
  face_corners(line);
}

void ObjectRecorder::face_corners(std::string_view line) {
  if (!records_.triangles_kept) return;
  if ((triangles_kept_ + corners_.size() / 3) >= triangle_budget) {
    drop_triangles();
    return;
  }
  std::size_t from = 0;
  std::int64_t a = corner_after(line, "A:", from);
  std::int64_t b = corner_after(line, "B:", from);
  std::int64_t c = corner_after(line, "C:", from);
  corners_.insert(corners_.end(), {a, b, c});
}

void ObjectRecorder::skipped(std::string_view log_line) {
  if (!open_) return;
  ObjectRecord& object = records_.objects.back();
  object.skipped = true;
  object.reason = cp1252_to_utf8(log_line);
}

void ObjectRecorder::valid(std::int64_t faces, std::int64_t vertices) {
  if (!open_) return;
  ObjectRecord& object = records_.objects.back();
  object.faces = faces;
  object.vertices = vertices;
}

void ObjectRecorder::keep_triangles(ObjectRecord& object) {
  const auto count = static_cast<std::int64_t>(points_.size());
  for (std::size_t i = 0; i + 2 < corners_.size(); i += 3) {
    bool inside = true;
    for (std::size_t k = i; k < i + 3; ++k) inside = inside && corners_[k] >= 0 && corners_[k] < count;
    if (!inside) continue;
    for (std::size_t k = i; k < i + 3; ++k) {
      const ScenePoint& p = points_[static_cast<std::size_t>(corners_[k])];
      object.triangles.insert(object.triangles.end(), {p.x, p.y, p.z});
    }
    ++triangles_kept_;
  }
}

void ObjectRecorder::drop_triangles() {
  records_.triangles_kept = false;
  corners_.clear();
  corners_.shrink_to_fit();
  for (ObjectRecord& object : records_.objects) {
    object.triangles.clear();
    object.triangles.shrink_to_fit();
  }
}

void ObjectRecorder::end_object() {
  if (!open_) return;
  open_ = false;
  ObjectRecord& object = records_.objects.back();
  if (object.skipped) {
    object.faces = faces_seen_;
    object.vertices = static_cast<std::int64_t>(points_.size());
  }
  if (!points_.empty()) {
    object.has_bbox = true;
    const ScenePoint& first = points_.front();
    object.bbox = {first.x, first.y, first.z, first.x, first.y, first.z};
    for (const ScenePoint& p : points_) {
      const float values[3] = {p.x, p.y, p.z};
      for (std::size_t k = 0; k < 3; ++k) {
        object.bbox[k] = std::min<double>(object.bbox[k], values[k]);
        object.bbox[k + 3] = std::max<double>(object.bbox[k + 3], values[k]);
      }
    }
    for (std::size_t v = 0; v < map_view_count; ++v) {
      object.outlines[v] = view_outline(points_, static_cast<MapView>(v), outline_corners, scratch_);
    }
    if (records_.triangles_kept) keep_triangles(object);
  }
  points_.clear();
  corners_.clear();
  faces_seen_ = 0;
}

}  // namespace meshmill
