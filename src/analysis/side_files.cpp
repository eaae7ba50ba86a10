#include "analysis/side_files.h"

#include "analysis/analysis_refusal.h"
#include "platform/paths.h"
#include "state/fixed_names.h"

namespace meshmill {

namespace {

PassOutcome create_side_file(Session& session, std::unique_ptr<OutputFile>& stream,
                             const char* name) {
  // A stream left open by the previous analysis is flushed before its file is replaced.
  if (stream) {
    stream->close();
    stream.reset();
  }
  std::string path = join_path(parent_folder(session.scene.fich), name);
  std::string why;
  stream = session.fs.create(path, CreateMode::direct, &why);
  if (!stream) return report_file_failure(session, "created", path, why);
  return PassOutcome::completed;
}

}  // namespace

PassOutcome create_side_files(Session& session) {
  if (create_side_file(session, session.scene.logerrors, error_log_name) == PassOutcome::stopped) {
    return PassOutcome::stopped;
  }
  return create_side_file(session, session.scene.special_mats, special_materials_name);
}

}  // namespace meshmill
