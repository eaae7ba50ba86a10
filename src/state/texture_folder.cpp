#include "state/texture_folder.h"

#include "platform/code_page.h"
#include "platform/paths.h"
#include "state/fixed_names.h"

namespace meshmill {

std::string texture_folder_of(FileSystem& fs, const std::string& scene) {
  std::string folder = parent_folder(scene);
  auto found = fs.find_entry_ignoring_case(folder.empty() ? "." : folder, texture_folder_name);
  return join_path(folder, found.value_or(texture_folder_name));
}

std::string texture_tif_name(std::string_view base) {
  return cp1252_to_utf8(base) + ".tif";
}

std::string pixelmap_file_name(std::string_view texture) {
  return cp1252_to_utf8(texture) + ".pix";
}

std::optional<std::string> find_texture_tif(FileSystem& fs, const std::string& folder,
                                            std::string_view base) {
  return fs.find_entry_ignoring_case(folder, texture_tif_name(base));
}

}  // namespace meshmill
