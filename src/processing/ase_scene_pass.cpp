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

// How a read object is written: an object without a material reference is
// unmapped. False (with the reason) when its reference is outside the material list.
bool settle_material(const SceneState& scene, const AseObject& object, ObjectMaterial& material,
                     std::string& reason) {
  material = {};
  if (!object.has_material_ref) return true;
  if (object.material_ref < 0 || object.material_ref >= scene.nr_mapped_objs) {
    reason = "its material reference " + std::to_string(object.material_ref) +
             " is not in the material list of " + std::to_string(scene.nr_mapped_objs) +
             " materials";
    return false;
  }
  material.ref = object.material_ref;
  // Only the whole empty entry makes an object unmapped.
  material.mapped =
      !(scene.mat_names.contains(material.ref, 0) &&
        scene.mat_names.at(static_cast<std::size_t>(material.ref), 0) == empty_material_entry);
  return true;
}

// Reads the input once and writes every object that passes the filter.
// False when the input could not be read (reported).
bool write_objects(Session& session, const RunSettings& settings, ProcessingRun& run) {
  SceneState& scene = session.scene;
  SceneCursor cursor(*run.input);
  const ObjectFilter filter(settings.only_objects);
  AseObject object;
  ObjectMaterial material;
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
        OutputFile& out = run.outputs.file(run.current_file);
        if (settle_material(scene, object, material, reason) &&
            writer.write_ase_object(object, material, scene, run.flips, out, reason)) {
          record_written(record, run.outputs.path(run.current_file));
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

CommandOutcome process_ase_scene(Session& session, const RunSettings& settings, bool express) {
  ProcessingRun run;
  if (!open_processing_run(session, settings, run)) return session.early_end;
  if (!close_processing_run(session, run, write_objects(session, settings, run))) {
    return session.early_end;
  }
  if (session.scene.project_mapped == 1 && settings.writes_material_file()) {
    if (!write_mat_file(session, settings, express)) {
      abandon_processing(session);
      return session.early_end;
    }
    if (settings.prepare_textures) session.textures->write_pixelmaps(session, settings, express);
  }
  return finish_processing(session, settings, FinishEntry::ase_input, express);
}

}  // namespace meshmill
