#include "processing/material_file_writer.h"

#include <algorithm>
#include <string>

#include "format/keywords.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "processing/file_failure.h"
#include "processing/material_templates.h"
#include "processing/processing_paths.h"
#include "state/fixed_names.h"
#include "processing/text_fields.h"

namespace meshmill {

namespace {

constexpr std::string_view separator = " , ";
constexpr std::string_view extra_material_prefix = "(Extra material_";

// A value from 0 to 1 as a byte: times 255, halves to even, clamped.
int byte_of(std::string_view number) {
  std::int64_t value = round_half_even(leading_number(number) * 255.0);
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, 255));
}

// The file name of a texture path without folder and extension; the folder
// separators of scene files are "\", "/" and ":".
std::string_view texture_base_name(std::string_view path) {
  std::size_t cut = path.find_last_of("\\/:");
  if (cut != std::string_view::npos) path.remove_prefix(cut + 1);
  return path.substr(0, path.rfind('.'));
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

// "Multimat. i, submat. j : name | Opacity rgb setting : a,a,a", where the
// name is the entry up to its first comma without the character before it.
std::string opacity_line(std::size_t i, std::size_t j, std::string_view entry, int alpha) {
  std::string_view name = entry.substr(0, entry.find(','));
  if (!name.empty()) name.remove_suffix(1);
  std::string line = "Multimat. ";
  append_integer(line, static_cast<std::int64_t>(i));
  line += ", submat. ";
  append_integer(line, static_cast<std::int64_t>(j));
  line.append(" : ").append(name).append(" | Opacity rgb setting : ");
  for (int k = 0; k < 3; ++k) {
    if (k > 0) line += ',';
    append_integer(line, alpha);
  }
  return line;
}

// Closes special_materials.txt and deletes it when nothing went into it.
bool close_special_materials(Session& session) {
  SceneState& scene = session.scene;
  std::string path = side_file_path(session, special_materials_name);
  if (scene.special_mats) {
    bool closed = scene.special_mats->close();
    std::string why = scene.special_mats->error();
    scene.special_mats.reset();
    if (!closed) {
      report_write_failure(session, path, why);
      return false;
    }
  }
  if (session.fs.file_size(path) == 0) session.fs.remove_file(path);
  return true;
}

}  // namespace

bool write_pix_placeholder(Session& session, std::string_view texture, int alpha) {
  SceneState& scene = session.scene;
  // The finish removes an empty PIX16 folder, so a second run may find it gone.
  if (!session.fs.folder_exists(scene.pix16_dest)) session.fs.create_folder(scene.pix16_dest);
  std::string path = join_path(scene.pix16_dest, cp1252_to_utf8(texture) + ".pix");
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

bool write_mat_file(Session& session, const RunSettings& settings) {
  SceneState& scene = session.scene;
  const MaterialTemplates& t = material_templates();
  std::string path = material_file_path(scene.fich_dest);

  if (!settings.overwrite_without_warning && session.fs.file_exists(path)) {
    scene.express = 0;
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
      const std::string& entry = scene.mat_names.at(i, j);
      std::size_t cut = entry.find(separator);
      // A slot the analysis left empty (an unknown class) has no chunk either.
      if (cut == std::string::npos) continue;
      std::string_view name = std::string_view(entry).substr(0, cut);
      if (name == empty_material) continue;
      std::string_view texture = std::string_view(entry).substr(cut + separator.size());
      texture = texture.substr(0, texture.find(separator));
      if (texture != empty_material) texture = texture_base_name(texture);

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
          scene.special_mats->write_line(opacity_line(i, j, entry, alpha));
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
