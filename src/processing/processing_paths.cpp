#include "processing/processing_paths.h"

#include "platform/ascii_case.h"
#include "platform/paths.h"

namespace meshmill {

std::string side_file_path(const Session& session, const char* name) {
  return join_path(parent_folder(session.scene.fich), name);
}

std::string material_file_path(const std::string& fich_dest) {
  std::size_t keep = fich_dest.size() < 3 ? 0 : fich_dest.size() - 3;
  return fich_dest.substr(0, keep) + "mat";
}

bool refuse_input_as_output(Session& session, const std::string& output) {
  if (!equal_ignoring_case(output, session.scene.fich)) return false;
  session.prompt.message_box(
      "You can't overwrite the original 3d scene file from where this program will read the "
      "information! You HAVE to choose another name or another path!",
      style::error_icon, "Error");
  return true;
}

}  // namespace meshmill
