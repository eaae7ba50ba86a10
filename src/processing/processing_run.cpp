#include "processing/processing_run.h"

#include <algorithm>

#include "format/limits.h"
#include "processing/file_failure.h"
#include "processing/processing_finish.h"
#include "processing/processing_paths.h"
#include "state/split_names.h"

namespace meshmill {

bool open_processing_run(Session& session, const RunSettings& settings, ProcessingRun& run) {
  SceneState& scene = session.scene;
  run.split = settings.splits_files();
  run.flips.axis_flip = settings.flips_axis();
  run.flips.texture_flip = settings.flips_textures();

  session.view->busy(true);
  session.view->progress_shown(Pass::processing, scene.nr_line2);
  scene.valid_objects = 0;
  run.current_file = 1;

  const std::int64_t files_required = std::max<std::int64_t>(scene.scene_stats[stat::asc_files], 1);
  if (files_required >= 2 && !run.split) {
    session.prompt.message_box(
        "Without choosing to divid the final .asc, 3d scenes with more than 255 valid objects, "
        "Pt2 will only import 255 objects for a single .asc file, unless you aren't using this "
        ".asc file to import yet into Playthingt2...",
        style::warning_icon, "Warning");
  }
  std::vector<std::string> paths = run.split && files_required >= 2
                                       ? split_file_names(scene.fich_dest, files_required)
                                       : std::vector<std::string>{scene.fich_dest};
  for (const std::string& path : paths) {
    if (refuse_input_as_output(session, path)) {
      abandon_processing(session);
      return false;
    }
  }
  if (!run.outputs.create(session, paths)) {
    abandon_processing(session);
    return false;
  }

  std::string why;
  auto input = session.fs.open_read(scene.fich, &why);
  if (!input) {
    report_read_failure(session, scene.fich, why);
    abandon_processing(session);
    return false;
  }
  run.input = std::make_unique<LineReader>(std::move(input));
  return true;
}

bool close_processing_run(Session& session, ProcessingRun& run, bool written) {
  run.input.reset();
  if (written && run.outputs.close_all(session)) return true;
  abandon_processing(session);
  return false;
}

void count_written_object(Session& session, ProcessingRun& run) {
  SceneState& scene = session.scene;
  ++scene.valid_objects;
  if (run.split && scene.valid_objects == run.current_file * objects_per_asc_file) {
    ++run.current_file;
  }
}

}  // namespace meshmill
