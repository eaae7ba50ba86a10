#include "processing/pixelmap_placeholder.h"

#include "platform/paths.h"
#include "processing/file_failure.h"
#include "processing/material_templates.h"
#include "state/texture_folder.h"

namespace meshmill {

bool write_pix_placeholder(Session& session, std::string_view texture, int alpha) {
  SceneState& scene = session.scene;
  // The finish removes an empty PIX16 folder, so a second run may find it gone.
  if (!session.fs.folder_exists(scene.pix16_dest)) session.fs.create_folder(scene.pix16_dest);
  std::string path = join_path(scene.pix16_dest, pixelmap_file_name(texture));
  std::string why;
  auto file = session.fs.create(path, CreateMode::replace_when_complete, &why);
  if (!file) {
    report_write_failure(session, path, why);
    return false;
  }
  const MaterialTemplates& t = material_templates();
  const char pixel[2] = {static_cast<char>(16 * (alpha / 16) + 15), '\xFF'};
  file->write(t.inicio_pix);
  for (int k = 0; k < 16; ++k) file->write(std::string_view(pixel, 2));
  file->write(t.fim_pix);
  if (!file->close()) {
    report_write_failure(session, path, file->error());
    return false;
  }
  scene.processed_files.push_back(path);
  return true;
}

}  // namespace meshmill
