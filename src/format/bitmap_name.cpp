#include "format/bitmap_name.h"

namespace meshmill {

std::string_view bitmap_base_name(std::string_view path) {
  std::size_t folder_end = path.find_last_of("\\/:");
  if (folder_end != std::string_view::npos) path.remove_prefix(folder_end + 1);
  return path.substr(0, path.rfind('.'));
}

}  // namespace meshmill
