#include "app/error_log_command.h"

#include "platform/paths.h"
#include "state/fixed_names.h"

namespace meshmill {

void open_error_log(WindowSession& session) {
  std::string folder = parent_folder(session.window.Text_loadfile.text);
  session.prompt.open_document(join_path(folder, error_log_name));
}

}  // namespace meshmill
