#include "processing/file_failure.h"

namespace meshmill {

namespace {

void report(Session& session, const std::string& path, const std::string& why,
            const char* failed_action) {
  std::string text = "The file " + path + " could not be " + failed_action;
  if (!why.empty()) text += " (" + why + ")";
  text += ". The processing was stopped.";
  session.early_end = {CommandResult::failed, text};
  session.prompt.message_box(text, style::error_icon, "Error");
}

}  // namespace

void report_write_failure(Session& session, const std::string& path, const std::string& why) {
  report(session, path, why, "written");
}

void report_read_failure(Session& session, const std::string& path, const std::string& why) {
  report(session, path, why, "read");
}

}  // namespace meshmill
