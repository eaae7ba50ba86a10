#include "processing/processing_paths.h"

#include "platform/paths.h"

namespace meshmill {

std::string input_folder(const Session& session) {
  return parent_folder(session.window.Text_loadfile.text);
}

std::string material_file_path(const std::string& fich_dest) {
  std::size_t keep = fich_dest.size() < 3 ? 0 : fich_dest.size() - 3;
  return fich_dest.substr(0, keep) + "mat";
}

}  // namespace meshmill
