#include "app/error_log_command.h"

#include "platform/paths.h"

namespace meshmill {

void open_error_log(Session& session) {
  std::string folder = parent_folder(session.window.Text_loadfile.text);
  session.prompt.open_document(join_path(folder, "error_log.txt"));
}

}  // namespace meshmill
