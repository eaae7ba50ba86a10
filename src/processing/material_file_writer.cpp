#include "processing/material_file_writer.h"

#include <algorithm>
#include <string>

#include "format/bitmap_name.h"
#include "format/keywords.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "processing/file_failure.h"
#include "processing/material_templates.h"
#include "processing/pixelmap_placeholder.h"
#include "processing/processing_paths.h"
#include "processing/special_materials_file.h"
#include "processing/text_fields.h"
#include "state/fixed_names.h"
#include "state/material_slot.h"

namespace meshmill {

namespace {

constexpr std::string_view extra_material_prefix = "(Extra material_";

// A value from 0 to 1 as a byte: times 255, halves to even, clamped.
int byte_of(std::string_view number) {
  std::int64_t value = round_half_even(leading_number(number) * 255.0);
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, 255));
}

// Three bytes red, green, blue from "r<TAB>g<TAB>b"; white when empty.
std::string colour_bytes(std::string_view colours) {
  if (colours.empty()) return std::string(3, '\xFF');
  std::string out;
  for (int k = 0; k < 3; ++k) {
    std::size_t tab = colours.find('\t');
    out += static_cast<char>(byte_of(colours.substr(0, tab)));
    colours = tab == std::string_view::npos ? std::string_view() : colours.substr(tab + 1);
  }
  return out;
}

}  // namespace

bool write_mat_file(Session& session, const RunSettings& settings, bool& express) {
  SceneState& scene = session.scene;
  const MaterialTemplates& t = material_templates();
  std::string path = material_file_path(scene.fich_dest);

  if (!settings.overwrite_without_warning && session.fs.file_exists(path)) {
    express = false;
    session.prompt.message_box(
        "This 3d scene does have materials so a .mat file is required to be created. But it "
        "already exists a .mat file with the same name as the chosen final project name. Since "
        "it's not possible to skip this, if you want to preserve it, please switch to windows "
        "explorer and backup it, or/and press OK here when done to continue the criation of the "
        "new .mat file.",
        style::warning_icon, "Warning");
  }
  std::string why;
  auto file = session.fs.create(path, CreateMode::replace_when_complete, &why);
  if (!file) {
    report_write_failure(session, path, why);
    return false;
  }
  file->write(t.inicio);

  for (std::int64_t m = 0; m < scene.nr_mapped_objs; ++m) {
    const auto i = static_cast<std::size_t>(m);
    std::int64_t last_slot = i < scene.nr_submats.size() ? scene.nr_submats[i] : 0;
    for (std::int64_t s = 0; s <= last_slot; ++s) {
      if (!scene.mat_names.contains(m, s)) continue;
      const auto j = static_cast<std::size_t>(s);
      const MaterialSlot slot = material_slot(scene, i, j);
      // A slot the analysis left empty (an unknown class) has no chunk either.
      if (!slot.has_texture) continue;
      std::string_view name = slot.name;
      if (name == empty_material) continue;
      // The .mat names the texture up to a second separator, if a name holds one.
      std::string_view texture = slot.texture.substr(0, slot.texture.find(slot_separator));
      const bool textured = texture != empty_material;
      if (textured) texture = bitmap_base_name(texture);

      std::string colour = "\xFF\xFF\xFF";
      if (scene.mat_colors.contains(m, s)) {
        if (settings.white_diffuse) scene.mat_colors.at(i, j).clear();
        colour = colour_bytes(scene.mat_colors.at(i, j));
      }

      if (scene.mat_opacity.contains(m, s) && !scene.mat_opacity.at(i, j).empty()) {
        const std::string& opacity = scene.mat_opacity.at(i, j);
        int alpha = byte_of(opacity);
        if (name.substr(0, extra_material_prefix.size()) == extra_material_prefix) {
          if (!write_pix_placeholder(session, texture, alpha)) return false;
        } else if (scene.special_mats) {
          scene.special_mats->write_line(opacity_line(i, j, slot.entry, alpha));
        }
      }

      file->write(t.inicio_mat_before_color);
      file->write(colour);
      file->write(settings.two_sided ? t.inicio_mat_twosided : t.inicio_mat_onesided);
      file->write(name);
      if (texture == empty_material) {
        file->write(t.rest_mat_empty);
      } else {
        file->write(t.rest_mat_normal);
        file->write(texture);
        file->write(t.end_mat);
        if (textured)
          scene.mat_textures.push_back({std::string(slot.texture), std::string(texture)});
      }
    }
  }

  if (!file->close()) {
    report_write_failure(session, path, file->error());
    return false;
  }
  scene.processed_files.push_back(path);
  return close_special_materials(session);
}

}  // namespace meshmill
