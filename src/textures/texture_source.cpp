#include "textures/texture_source.h"

#include "format/bitmap_name.h"
#include "platform/code_page.h"
#include "platform/paths.h"

namespace meshmill {

namespace {

constexpr std::string_view source_extensions[] = {".tga", ".png", ".bmp", ".jpg", ".jpeg"};

// The file `name` (matched without regard to letter case) in `folder`.
std::optional<std::string> file_in(FileSystem& fs, const std::string& folder,
                                   const std::string& name) {
  if (folder.empty()) return std::nullopt;
  auto entry = fs.find_entry_ignoring_case(folder, name);
  if (!entry) return std::nullopt;
  std::string path = join_path(folder, *entry);
  if (!fs.file_exists(path)) return std::nullopt;
  return path;
}

}  // namespace

std::optional<std::string> find_texture_image(FileSystem& fs, const TextureSearch& where,
                                              std::string_view bitmap_path) {
  const std::string base = cp1252_to_utf8(bitmap_base_name(bitmap_path));
  if (base.empty()) return std::nullopt;
  for (const std::string* folder : {&where.tiffrgb_folder, &where.scene_folder}) {
    for (std::string_view extension : source_extensions) {
      if (auto path = file_in(fs, *folder, base + std::string(extension))) return path;
    }
  }
  if (where.on_windows) {
    std::string path = cp1252_to_utf8(bitmap_path);
    if (fs.file_exists(path)) return path;
  }
  return file_in(fs, where.tiffrgb_folder, base + ".tif");
}

}  // namespace meshmill
