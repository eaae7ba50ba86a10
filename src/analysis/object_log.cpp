#include "analysis/object_log.h"

#include <string>

namespace meshmill {

namespace {

void write_log_line(Session& session, std::string_view text) {
  if (session.scene.logerrors) session.scene.logerrors->write_line(text);
}

void mark_skipped(Session& session, bool& problems) {
  session.view->object_skipped();
  problems = true;
}

}  // namespace

std::string skip_object(Session& session, bool& problems, std::int64_t line, std::string_view name,
                        std::string_view problem) {
  std::string text = "Error in line " + std::to_string(line) + " (object '";
  text += name;
  text += problem;
  write_log_line(session, text);
  mark_skipped(session, problems);
  return text;
}

std::string skip_unnamed_object(Session& session, bool& problems, std::int64_t line) {
  std::string text = "Error in line " + std::to_string(line) +
                     " : the quotes indicating the name of the object are missing";
  write_log_line(session, text);
  mark_skipped(session, problems);
  return text;
}

}  // namespace meshmill
