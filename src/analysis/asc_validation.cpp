#include "analysis/asc_validation.h"

#include <optional>
#include <string>

#include "analysis/analysis_refusal.h"
#include "analysis/object_log.h"
#include "analysis/object_recorder.h"
#include "analysis/scene_input.h"
#include "analysis/scene_statistics.h"
#include "format/asc_object_reader.h"
#include "format/keywords.h"

namespace meshmill {

namespace {

constexpr std::string_view counts_missing =
    "') : the line indicating the number of vertices and faces couldn't be found, this object was "
    "skipped.";
constexpr std::string_view counts_malformed =
    "') : the line indicating the number of vertices and faces is mystiped, it's required the : "
    "indicator in both faces and vertices, this object was skipped.";
constexpr std::string_view no_vertices =
    "') : the line indicating the number of vertices and faces indicates that the object has 0 "
    "vertices. This is a empty object (probably a dummy) so it was skipped since it would make Pt2 "
    "crash when importing it.";
constexpr std::string_view no_faces =
    "') : the line indicating the number of vertices and faces indicates that the object has 0 "
    "faces. This is a empty object (probably a dummy) so it was skipped since it would make Pt2 "
    "crash when importing it.";
constexpr std::string_view too_many_faces =
    "') : the line indicating the number of vertices and faces indicates that the object has "
    "65535 faces. This object was skipped since Pt2 doesn't import completly objects with more "
    "than 65535 faces.";
constexpr std::string_view header_missing =
    "') : the line indicating if the object is mapped or not is missing as well as the one "
    "indicating the vertex list, this object was skipped.";

std::string line_problem(const char* what, std::int64_t k) {
  return std::string("') : the line containing information about ") + what + " nr " +
         std::to_string(k) +
         " couldn't be found. This object was skipped since it would make Pt2 crash when "
         "importing it.";
}

std::string problem_text(const AscObject& object) {
  switch (object.fault) {
    case AscFault::counts_missing:
      return std::string(counts_missing);
    case AscFault::counts_malformed:
      return std::string(counts_malformed);
    case AscFault::no_vertices:
      return std::string(no_vertices);
    case AscFault::no_faces:
      return std::string(no_faces);
    case AscFault::too_many_faces:
      return std::string(too_many_faces);
    case AscFault::header_missing:
      return std::string(header_missing);
    case AscFault::vertex_line:
      return line_problem("vertex", object.index);
    default:
      return line_problem("face", object.index);
  }
}

// Counts lines and objects; an object line is one that begins with "named object".
PassOutcome count_asc_scene(Session& session) {
  auto reader = open_scene_pass(session);
  if (!reader) return PassOutcome::stopped;
  SceneState& scene = session.scene;
  scene.nr_line2 = 0;
  scene.nr_objects = 0;
  while (reader->next()) {
    if (begins_with_lower(reader->line(), "named object")) ++scene.nr_objects;
  }
  scene.nr_line2 = reader->number();
  if (reader->failed()) return report_file_failure(session, "read", scene.fich, reader->error());
  return PassOutcome::completed;
}

PassOutcome check_asc_objects(Session& session, bool& problems) {
  auto reader = open_scene_pass(session);
  if (!reader) return PassOutcome::stopped;
  SceneState& scene = session.scene;
  // Only the object under check is ever named; one slot beside index 0 serves them all.
  scene.obj_names.assign(2, std::string());
  scene.valid_objects = 0;
  AscScan scan(*reader, scene.nr_line2, AscScan::Counting::from_zero);
  AscObject object;
  std::optional<ObjectRecorder> recorder;
  if (session.record_objects) recorder.emplace(scene.records);
  while (scan.more()) {
    session.events.yield();
    // The file ended before the count of the first pass: it changed meanwhile.
    if (!scan.next_step()) return input_ended(session, *reader, invalid_asc_text);
    if (scan.at_object()) {
      if (recorder) recorder->begin(reader->number());
      scan.read_object(object, recorder ? &*recorder : nullptr);
      scene.obj_names[1] = object.name;
      if (object.fault == AscFault::input_ended) {
        return input_ended(session, *reader, invalid_asc_text);
      }
      if (recorder) recorder->name(object.name);
      if (object.fault == AscFault::unnamed) {
        std::string text = skip_unnamed_object(session, problems, object.line);
        if (recorder) recorder->skipped(text);
      } else if (object.fault != AscFault::none) {
        std::string text =
            skip_object(session, problems, object.line, object.name, problem_text(object));
        if (recorder) recorder->skipped(text);
      } else {
        count_valid_object(session, object.faces, object.vertices);
        if (recorder) recorder->valid(object.faces, object.vertices);
      }
    }
    session.view->progress(Pass::analysis, scan.counter());
  }
  return PassOutcome::completed;
}

}  // namespace

PassOutcome validate_asc_input(Session& session, bool& problems) {
  problems = false;
  if (count_asc_scene(session) == PassOutcome::stopped) return PassOutcome::stopped;
  show_analysis_progress(session);
  if (session.scene.nr_objects == 0) return refuse_scene(session, no_objects_refusal);
  show_object_count(session);
  return check_asc_objects(session, problems);
}

}  // namespace meshmill
