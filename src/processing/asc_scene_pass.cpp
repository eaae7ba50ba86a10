#include "processing/asc_scene_pass.h"

#include <string>

#include "format/asc_object_reader.h"
#include "processing/asc_object_writer.h"
#include "processing/file_failure.h"
#include "processing/processing_finish.h"
#include "processing/processing_run.h"
#include "processing/record_verdicts.h"

namespace meshmill {

namespace {

// Reads the input once and re-writes every object (the object filter is for
// ASE scenes only). False when the input could not be read (reported).
bool write_objects(Session& session, ProcessingRun& run) {
  SceneState& scene = session.scene;
  AscScan scan(*run.input, scene.nr_line2, AscScan::Counting::from_one);
  AscObjectWriter writer(run.flips.axis_flip);
  std::string reason;
  RecordCursor records(scene.records);
  const bool recording = session.record_objects;
  while (scan.more()) {
    session.events.yield();
    // A file that got shorter since the analysis ends the pass between objects.
    if (!scan.next_step()) break;
    if (scan.at_object()) {
      ObjectRecord* record = recording ? records.at_line(scan.reader().number()) : nullptr;
      OutputFile& out = run.outputs.file(run.current_file);
      if (writer.write_asc_object(scan, out, reason)) {
        record_written(record, run.outputs.path(run.current_file));
        count_written_object(session, run);
        if (out.failed()) break;  // reported when the files are closed
      } else {
        scene.skipped_objects.push_back({writer.name(), reason});
        record_left_out(record, reason);
      }
    }
    if (scan.counter() < scene.nr_line2) session.view->progress(Pass::processing, scan.counter());
  }
  if (scan.reader().failed()) {
    report_read_failure(session, scene.fich, scan.reader().error());
    return false;
  }
  return true;
}

}  // namespace

CommandOutcome process_asc_scene(Session& session, const RunSettings& settings, bool express) {
  ProcessingRun run;
  if (!open_processing_run(session, settings, run)) return session.early_end;
  if (!close_processing_run(session, run, write_objects(session, run))) return session.early_end;
  // An .asc input has no material file: its run ends here and the finish
  // takes over at the steps common to both inputs.
  close_scratch(session);
  restore_view(session);
  return finish_processing(session, settings, FinishEntry::any_input, express);
}

}  // namespace meshmill
