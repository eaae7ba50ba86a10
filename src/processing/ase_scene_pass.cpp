#include "processing/ase_scene_pass.h"

#include <string>

#include "processing/asc_writer.h"
#include "processing/ase_object.h"
#include "processing/file_failure.h"
#include "processing/material_file_writer.h"
#include "processing/object_filter.h"
#include "processing/processing_finish.h"
#include "processing/processing_run.h"
#include "processing/record_verdicts.h"

namespace meshmill {

namespace {

// Settles `mat_ref` and `object_mapped` for a read object; false (with the
// reason) when its material reference is outside the material list.
bool settle_material(SceneState& scene, const AseObject& object, std::string& reason) {
  if (!object.has_material_ref) return true;
  if (object.material_ref < 0 || object.material_ref >= scene.nr_mapped_objs) {
    reason = "its material reference " + std::to_string(object.material_ref) +
             " is not in the material list of " + std::to_string(scene.nr_mapped_objs) +
             " materials";
    return false;
  }
  scene.mat_ref = object.material_ref;
  scene.object_mapped = 1;
  // Only the whole empty entry makes an object unmapped.
  if (scene.mat_names.contains(scene.mat_ref, 0) &&
      scene.mat_names.at(static_cast<std::size_t>(scene.mat_ref), 0) == empty_material_entry) {
    scene.object_mapped = 0;
  }
  return true;
}

// Reads the input once and writes every object that passes the filter.
// False when the input could not be read (reported).
bool write_objects(Session& session, const RunSettings& settings, ProcessingRun& run) {
  SceneState& scene = session.scene;
  SceneCursor cursor(*run.input);
  const ObjectFilter filter(settings.only_objects);
  AseObject object;
  AscWriter writer;
  std::string reason;

  RecordCursor records(scene.records);
  const bool recording = session.record_objects;

  while (true) {
    session.events.yield();
    if (opens_object(cursor.line())) {
      ObjectRecord* record = recording ? records.at_line(cursor.number()) : nullptr;
      ObjectRead read = read_ase_object(cursor, filter, scene.project_mapped == 1, object, reason);
      if (read == ObjectRead::ready) {
        OutputFile& out = run.outputs.file(scene.curr_splitasc);
        if (settle_material(scene, object, reason) &&
            writer.write_ase_object(object, scene, run.flips, out, reason)) {
          record_written(record, run.outputs.path(scene.curr_splitasc));
          count_written_object(session, run);
          if (out.failed()) break;  // reported when the files are closed
        } else {
          read = ObjectRead::skipped;
        }
      }
      if (read == ObjectRead::skipped) {
        scene.skipped_objects.push_back({object.name, reason});
        record_left_out(record, reason);
      }
      if (read == ObjectRead::passed_over) record_passed_over(record, !filter.accepts(object.name));
    }
    scene.object_mapped = 0;
    if (cursor.number() != 0) session.view->progress(Pass::processing, cursor.number());
    if (cursor.ended()) break;
    if (!opens_object(cursor.line()) && !cursor.advance()) break;
  }
  if (cursor.failed()) {
    report_read_failure(session, scene.fich, cursor.error());
    return false;
  }
  return true;
}

}  // namespace

CommandOutcome process_ase_scene(Session& session, const RunSettings& settings) {
  ProcessingRun run;
  if (!open_processing_run(session, settings, run)) return session.early_end;
  if (!close_processing_run(session, run, write_objects(session, settings, run))) {
    return session.early_end;
  }
  if (session.scene.project_mapped == 1 && settings.writes_material_file()) {
    if (!write_mat_file(session, settings)) {
      abandon_processing(session);
      return session.early_end;
    }
  }
  return finish_processing(session, settings, FinishEntry::ase_input);
}

}  // namespace meshmill
