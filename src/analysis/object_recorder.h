#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/object_outline.h"
#include "format/asc_object_reader.h"
#include "state/scene_records.h"

namespace meshmill {

// Gathers the record of each object while a checking pass reads it. Each
// vertex goes into the object's bounding box and outlines as it is read;
// vertices and faces are held only while the whole scene's triangles stay
// within a fixed budget, so that a small scene is drawn face by face.
class ObjectRecorder : public AscLineSink {
 public:
  static constexpr std::size_t triangle_budget = 8000;

  explicit ObjectRecorder(SceneRecords& records);
  ~ObjectRecorder() override;
  ObjectRecorder(const ObjectRecorder&) = delete;
  ObjectRecorder& operator=(const ObjectRecorder&) = delete;

  // An object opens at `line`; the one before it is complete.
  void begin(std::int64_t line);
  void name(std::string_view name);
  // Every line an ASE pass reads; the object's vertex, face and material
  // reference lines are taken from them.
  void ase_line(std::string_view line);
  // The checked vertex and face lines of an .asc object.
  void vertex_line(std::int64_t k, std::string_view line) override;
  void face_line(std::int64_t k, std::string_view line) override;
  // The analysis skipped the object; `log_line` is its error-log line.
  void skipped(std::string_view log_line);
  void valid(std::int64_t faces, std::int64_t vertices);
  // Completes the current object.
  void end_object();

 private:
  void add_vertex(const ScenePoint& point);
  void face_corners(std::string_view line);
  void keep_triangles(ObjectRecord& object);
  void drop_triangles();

  SceneRecords& records_;
  bool open_ = false;
  OutlineBuilder outline_;
  std::array<float, 6> bbox_{};
  std::int64_t vertices_seen_ = 0;
  std::int64_t faces_seen_ = 0;  // counted for a skipped object
  // While the scene is small: the object's vertices and its faces' corners.
  std::vector<ScenePoint> points_;
  std::vector<std::int64_t> corners_;
  std::size_t triangles_kept_ = 0;
};

}  // namespace meshmill
