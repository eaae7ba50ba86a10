#include "analysis/ase_object_check.h"

#include <optional>
#include <string>

#include "analysis/analysis_refusal.h"
#include "analysis/object_log.h"
#include "analysis/object_recorder.h"
#include "analysis/scene_input.h"
#include "analysis/scene_statistics.h"
#include "format/keywords.h"
#include "format/limits.h"
#include "platform/code_page.h"

namespace meshmill {

namespace {

constexpr std::string_view object_key = "*GEOMOBJECT";
constexpr std::string_view vertex_count_key = "\t\t*MESH_NUMVERTEX ";
constexpr std::string_view face_count_key = "\t\t*MESH_NUMFACES ";
constexpr std::string_view face_list_key = "\t\t*MESH_FACE_LIST {";
constexpr std::string_view mapping_vertex_count_key = "\t\t*MESH_NUMTVERTEX ";
constexpr std::string_view mapping_face_count_key = "\t\t*MESH_NUMTVFACES ";
constexpr std::string_view mesh_end_key = "\t}";

constexpr std::string_view no_vertices =
    "') : the line indicating the number of vertices indicates that the object has 0 vertices. "
    "This object was skipped since it would make Pt2 crash when importing it.";
constexpr std::string_view no_faces =
    "') : the line indicating the number of faces indicates that the object has 0 faces. This "
    "object was skipped since it would make Pt2 crash when importing it.";
constexpr std::string_view too_many_faces =
    "') : the line indicating the number of faces indicates that the object has 65535 faces. This "
    "object was skipped since Pt2 doesn't import completly objects with more than 65535 faces.";
constexpr std::string_view no_mapping_vertices =
    "') : the line indicating the number of mapping vertices indicates that the object has 0 "
    "mapping vertices. This object was skipped since it would make Pt2 crash when importing it.";
constexpr std::string_view no_mapping_faces =
    "') : the line indicating the number of mapping faces indicates that the object has 0 mapping "
    "faces. This object was skipped since it would make Pt2 crash when importing it.";

constexpr const char* no_mapping_refusal =
    "This .ase file is invalid, since you exported it without texture mapping information. In "
    "case of using 3dsmax you must make sure that the option 'Mapping Coordinates' IS ticked, "
    "EVEN if all objects aren't textured.";

std::string missing_count_refusal(const std::string& name, const char* what) {
  return "This .ase file is invalid (the object " + cp1252_to_utf8(name) +
         " doesn't have a line indicating the number of " + what +
         " of this object). Unfortunately it's not possible to just skip this object, please "
         "remove this object in the 3d scene in the 3d modelling program.";
}

// A count read by the leading-number rule, as a whole number. Fractions round
// half to even and absurd values are clamped, so no count can overflow.
std::int64_t count_after(std::string_view line, std::string_view key) {
  return round_half_even(number_after(line, key.size()));
}

class CheckingPass {
 public:
  CheckingPass(Session& session, LineReader& reader, bool& problems, ObjectRecorder* recorder)
      : session_(session), reader_(reader), problems_(problems), recorder_(recorder) {}

  PassOutcome run() {
    SceneState& scene = session_.scene;
    // Only the object under check is ever named; one slot beside index 0 serves them all.
    scene.obj_names.assign(2, std::string());
    scene.valid_objects = 0;
    while (reader_.number() < scene.nr_line2) {
      session_.events.yield();
      // The file ended before the count of the first pass: it changed meanwhile.
      if (!read()) return input_ended(session_, reader_, invalid_ase_text);
      if (begins_with_upper(reader_.line(), object_key)) {
        if (check_object() == PassOutcome::stopped) return PassOutcome::stopped;
      }
      session_.view->progress(Pass::analysis, reader_.number());
    }
    return PassOutcome::completed;
  }

 private:
  bool read() {
    if (!read_counted_line(session_, reader_)) return false;
    if (recorder_) recorder_->ase_line(reader_.line());
    return true;
  }

  bool read_until(std::string_view key) {
    while (read()) {
      if (begins_with_upper(reader_.line(), key)) return true;
    }
    return false;
  }

  PassOutcome ended(const std::string& text) { return input_ended(session_, reader_, text); }

  PassOutcome skip(std::string_view problem) {
    std::string text = skip_object(session_, problems_, reader_.number(), name(), problem);
    if (recorder_) recorder_->skipped(text);
    return PassOutcome::completed;
  }

  std::string& name() { return session_.scene.obj_names[1]; }

  // Reads one object from its node-name line to its mapping-face count. A
  // skip ends the object at once; its remaining lines are read as lines
  // outside an object.
  PassOutcome check_object() {
    if (recorder_) recorder_->begin(reader_.number());
    if (!read()) return ended(invalid_ase_text);
    auto quoted = quoted_name(reader_.line());
    if (!quoted) {
      std::string text = skip_unnamed_object(session_, problems_, reader_.number());
      if (recorder_) recorder_->skipped(text);
      return PassOutcome::completed;
    }
    name().assign(*quoted);
    if (recorder_) recorder_->name(name());

    if (!read_until(vertex_count_key)) return ended(missing_count_refusal(name(), "vertices"));
    std::int64_t vertices = count_after(reader_.line(), vertex_count_key);
    if (vertices <= 0) return skip(no_vertices);

    // 3ds Max writes the face count right after the vertex count; anything
    // else there is a hand edit the following reads can't make sense of.
    if (!read() || !begins_with_upper(reader_.line(), face_count_key)) {
      return ended(invalid_ase_text);
    }
    std::int64_t faces = count_after(reader_.line(), face_count_key);
    if (faces <= 0) return skip(no_faces);
    if (faces > most_faces) return skip(too_many_faces);

    if (!read() || !read()) return ended(invalid_ase_text);
    if (!begins_with_upper(reader_.line(), face_list_key) && !read_until(face_list_key)) {
      return ended(invalid_ase_text);
    }
    // The first face line, then one line per face: the line after the list.
    for (std::int64_t k = 0; k <= faces; ++k) {
      if (!read()) return ended(invalid_ase_text);
    }

    for (;;) {
      if (!read()) return ended(missing_count_refusal(name(), "mapping vertices"));
      if (begins_with_upper(reader_.line(), mesh_end_key)) {
        return refuse_scene(session_, no_mapping_refusal);
      }
      if (begins_with_upper(reader_.line(), mapping_vertex_count_key)) break;
    }
    if (count_after(reader_.line(), mapping_vertex_count_key) <= 0)
      return skip(no_mapping_vertices);

    if (!read_until(mapping_face_count_key)) return ended(invalid_ase_text);
    if (count_after(reader_.line(), mapping_face_count_key) <= 0) return skip(no_mapping_faces);

    count_valid_object(session_, faces, vertices);
    if (recorder_) recorder_->valid(faces, vertices);
    return PassOutcome::completed;
  }

  Session& session_;
  LineReader& reader_;
  bool& problems_;
  ObjectRecorder* recorder_;  // null unless the session records objects
};

}  // namespace

PassOutcome check_ase_objects(Session& session, bool& problems) {
  auto reader = open_scene_pass(session);
  if (!reader) return PassOutcome::stopped;
  std::optional<ObjectRecorder> recorder;
  if (session.record_objects) recorder.emplace(session.scene.records);
  return CheckingPass(session, *reader, problems, recorder ? &*recorder : nullptr).run();
}

}  // namespace meshmill
