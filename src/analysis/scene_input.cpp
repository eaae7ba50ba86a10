#include "analysis/scene_input.h"

#include "analysis/analysis_refusal.h"

namespace meshmill {

std::unique_ptr<LineReader> open_scene_pass(Session& session) {
  std::string why;
  auto input = session.fs.open_read(session.scene.fich, &why);
  if (!input) {
    report_file_failure(session, "opened", session.scene.fich, why);
    return nullptr;
  }
  return std::make_unique<LineReader>(std::move(input));
}

bool read_counted_line(const Session& session, LineReader& reader) {
  return reader.number() < session.scene.nr_line2 && reader.next();
}

PassOutcome input_ended(Session& session, const LineReader& reader, const std::string& text) {
  if (reader.failed())
    return report_file_failure(session, "read", session.scene.fich, reader.error());
  return refuse_scene(session, text);
}

}  // namespace meshmill
