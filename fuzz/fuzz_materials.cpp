// The material pass on its own, with automatic shortening of long texture
// names. Every texture the scene names is put into TIFFRGB first, so the
// renaming and its backups run too.
#include <fstream>
#include <string_view>

#include "analysis/ase_first_pass.h"
#include "analysis/material_analysis.h"
#include "fuzz_scene.h"
#include "platform/paths.h"

namespace {

// A texture file for each *BITMAP path of the scene (the first few only):
// its base name with the extension "tif".
void put_textures(const meshmill::fuzzing::FuzzScene& scene, std::string_view text) {
  constexpr std::string_view keyword = "*BITMAP \"";
  int made = 0;
  for (std::size_t at = text.find(keyword); at != std::string_view::npos && made < 4;
       at = text.find(keyword, at + 1)) {
    std::size_t start = at + keyword.size();
    std::size_t end = text.find_first_of("\"\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view path = text.substr(start, end - start);
    std::size_t folder_end = path.find_last_of("\\/:");
    if (folder_end != std::string_view::npos) path.remove_prefix(folder_end + 1);
    std::string base(path.substr(0, path.rfind('.')));
    if (base.empty() || base.size() > 64 || base.find('\0') != std::string::npos) continue;
    std::ofstream(meshmill::join_path(scene.file("TIFFRGB"), base + ".tif"), std::ios::binary)
        << "texture";
    ++made;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  meshmill::fuzzing::FuzzScene scene(data, size, "scene.ase");
  put_textures(scene, std::string_view(reinterpret_cast<const char*>(data), size));
  meshmill::Session& session = scene.session();
  session.scene.fich = scene.path();
  meshmill::RunSettings settings;
  settings.keep_long_texture_names = false;
  settings.auto_shorten_textures = true;
  session.scene.logerrors =
      session.fs.create(scene.file("error_log.txt"), meshmill::CreateMode::direct, nullptr);
  session.scene.special_mats =
      session.fs.create(scene.file("special_materials.txt"), meshmill::CreateMode::direct, nullptr);
  // The material pass reads no further than the first pass counted.
  if (meshmill::count_ase_scene(session) == meshmill::PassOutcome::completed) {
    meshmill::analyse_materials(session, settings);
  }
  return 0;
}
