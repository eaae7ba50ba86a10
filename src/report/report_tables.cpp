#include "report/report_tables.h"

#include <algorithm>
#include <charconv>

#include "format/bitmap_name.h"
#include "format/limits.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "report/html_text.h"
#include "state/material_slot.h"
#include "state/texture_folder.h"

namespace meshmill {

namespace {

constexpr std::string_view extra_material_prefix = "(Extra material_";

void cell(std::string& out, std::string_view utf8) {
  out += "<td>";
  append_html(out, utf8);
  out += "</td>";
}

void count_cell(std::string& out, std::int64_t value) {
  out += "<td class=\"n\">";
  append_count(out, value);
  out += "</td>";
}

// The long name a shortened texture had, from the records "LONG.tga , short".
std::string_view old_texture_name(const SceneState& scene, std::string_view texture) {
  for (const std::string& record : scene.bigmat_names) {
    std::size_t cut = record.find(slot_separator);
    if (cut != std::string::npos && record.substr(cut + slot_separator.size()) == texture) {
      return std::string_view(record).substr(0, cut);
    }
  }
  return {};
}

bool texture_file_exists(const Session& session, std::string_view texture) {
  const std::string& folder = session.scene.tif_folder;
  if (folder.empty()) return false;
  return find_texture_tif(session.fs, folder, bitmap_base_name(texture)).has_value();
}

// "r<TAB>g<TAB>b" with values from 0 to 1, as a CSS colour.
void append_swatch(std::string& out, std::string_view colours) {
  out += "<span class=\"swatch\" style=\"background:rgb(";
  for (int k = 0; k < 3; ++k) {
    std::size_t tab = colours.find('\t');
    std::string_view field = colours.substr(0, tab);
    double value = 0;
    std::from_chars(field.data(), field.data() + field.size(), value);
    if (k > 0) out += ',';
    append_count(out, static_cast<std::int64_t>(std::clamp(value, 0.0, 1.0) * 255 + 0.5));
    colours = tab == std::string_view::npos ? std::string_view() : colours.substr(tab + 1);
  }
  out += ")\"></span>";
}

void append_texture_cell(std::string& out, const Session& session, std::string_view name,
                         std::string_view texture) {
  out += "<td>";
  // An extra material's "texture" is the placeholder pixelmap the processing makes.
  bool placeholder = name.substr(0, extra_material_prefix.size()) == extra_material_prefix;
  if (texture.empty() || texture == empty_material || placeholder) {
    out += "&#8212;</td>";
    return;
  }
  append_scene_html(out, texture);
  std::string_view old_name = old_texture_name(session.scene, texture);
  if (!old_name.empty()) {
    out += " <small>(shortened from ";
    append_scene_html(out, old_name);
    out += ")</small>";
  }
  // Plaything2 crashes on longer pixelmap names.
  if (bitmap_base_name(texture).size() > longest_texture_base) {
    out += " <span class=\"missing\">longer than 15 characters</span>";
  }
  if (!texture_file_exists(session, texture)) {
    out += " <span class=\"missing\">missing: no ";
    append_scene_html(out, bitmap_base_name(texture));
    out += ".tif in TIFFRGB</span>";
  }
  out += "</td>";
}

void append_placeholder_cell(std::string& out, const Session& session, std::string_view name,
                             std::string_view texture, std::string_view opacity) {
  out += "<td>";
  if (opacity.empty() || name.substr(0, extra_material_prefix.size()) != extra_material_prefix) {
    out += "&#8212;</td>";
    return;
  }
  std::string file = pixelmap_file_name(texture);
  append_html(out, file);
  const SceneState& scene = session.scene;
  if (scene.records.processed) {
    std::string path = join_path(scene.pix16_dest, file);
    bool written = std::find(scene.processed_files.begin(), scene.processed_files.end(), path) !=
                   scene.processed_files.end();
    out += written ? " <small>written in PIX16</small>" : " <small>not written</small>";
  } else {
    out += " <small>written in PIX16 by a conversion</small>";
  }
  out += "</td>";
}

const TextureRecord* texture_record(const SceneState& scene, std::string_view slot_texture) {
  for (const TextureRecord& record : scene.textures) {
    const auto& texts = record.slot_textures;
    if (std::find(texts.begin(), texts.end(), slot_texture) != texts.end()) return &record;
  }
  return nullptr;
}

void append_size(std::string& out, int width, int height) {
  append_count(out, width);
  out += " &#215; ";
  append_count(out, height);
}

// What the texture steps made of the slot's texture: a thumbnail, the image
// it came from, its .tif and its pixelmap, or why not.
void append_texture_files_cell(std::string& out, const SceneState& scene,
                               std::string_view slot_texture) {
  const TextureRecord* record = texture_record(scene, slot_texture);
  if (!record) {
    out += "<td>&#8212;</td>";
    return;
  }
  out += "<td><div class=\"texture\">";
  if (!record->thumbnail_png.empty()) {
    out += "<img class=\"thumb\" alt=\"\" src=\"data:image/png;base64,";
    append_base64(out, record->thumbnail_png);
    out += "\"/>";
  }
  out += "<span>";
  if (record->source.empty()) {
    out += "<span class=\"missing\">no image found</span>";
  } else {
    append_html(out, file_name(record->source));
    if (record->readable()) {
      out += " <small>";
      append_size(out, record->source_width, record->source_height);
      out += "</small>";
    }
  }
  if (!record->tif.empty()) {
    out += record->tif_written ? "<br/>TIFF written: " : "<br/>TIFF found: ";
    append_html(out, file_name(record->tif));
  }
  if (!record->pix.empty()) {
    out += "<br/>Pixelmap: ";
    append_html(out, file_name(record->pix));
    out += " <small>(type ";
    append_count(out, record->pix_type);
    out += ", ";
    append_size(out, record->width, record->height);
    out += ")</small>";
  }
  if (record->scaled()) {
    out += "<br/><span class=\"scaled\">scaled from ";
    append_size(out, record->source_width, record->source_height);
    out += " to ";
    append_size(out, record->width, record->height);
    out += "</span>";
  }
  const std::string problems = record->problems();
  if (!problems.empty()) {
    out += "<br/><span class=\"missing\">";
    append_html(out, problems);
    out += "</span>";
  }
  out += "</span></div></td>";
}

void append_material_row(std::string& out, const Session& session, std::size_t m, std::size_t s) {
  const SceneState& scene = session.scene;
  const MaterialSlot slot = material_slot(scene, m, s);
  const std::string_view name = slot.name;
  const std::string_view texture = slot.texture;
  const std::string_view colour = slot.colours;
  const std::string_view opacity = slot.opacity;

  out += "<tr><td class=\"n\">";
  append_count(out, static_cast<std::int64_t>(m));
  out += ", ";
  append_count(out, static_cast<std::int64_t>(s));
  out += "</td><td>";
  append_scene_html(out, name);
  out += "</td>";
  append_texture_cell(out, session, name, texture);
  out += "<td>";
  if (colour.empty()) {
    out += "&#8212;";
  } else {
    append_swatch(out, colour);
    append_scene_html(out, colour);
  }
  out += "</td><td>";
  if (opacity.empty()) {
    out += "&#8212;";
  } else {
    append_scene_html(out, opacity);
  }
  out += "</td>";
  append_placeholder_cell(out, session, name, texture, opacity);
  if (!scene.textures.empty()) append_texture_files_cell(out, scene, texture);
  out += "</tr>";
}

const char* message_kind(int style) {
  switch (style::icon_of(style)) {
    case style::error_icon:
      return "error";
    case style::question_icon:
      return "question";
    case style::warning_icon:
      return "warning";
    case style::information_icon:
      return "information";
    default:
      return "plain";
  }
}

}  // namespace

void append_objects_table(std::string& out, const SceneRecords& records,
                          const FilePalette& palette) {
  out += "<section id=\"objects\"><h2>Objects <small>(";
  append_count(out, static_cast<std::int64_t>(records.objects.size()));
  out +=
      ")</small></h2><div class=\"scroll\"><table id=\"objects-table\"><thead><tr>"
      "<th class=\"n\">#</th><th>Name</th><th class=\"n\">Line</th><th class=\"n\">Faces</th>"
      "<th class=\"n\">Vertices</th><th>Material</th><th>File</th><th>Status</th>"
      "<th>Reason</th></tr></thead><tbody>";
  for (std::size_t i = 0; i < records.objects.size(); ++i) {
    const ObjectRecord& object = records.objects[i];
    out += "<tr id=\"r";
    append_count(out, static_cast<std::int64_t>(i));
    out += "\" data-i=\"";
    append_count(out, static_cast<std::int64_t>(i));
    out += "\" class=\"s-";
    out += object.status();
    out += "\">";
    count_cell(out, static_cast<std::int64_t>(i) + 1);
    out += "<td>";
    append_scene_html(out, object.name);
    out += "</td>";
    count_cell(out, object.line);
    count_cell(out, object.faces);
    count_cell(out, object.vertices);
    out += "<td>";
    append_scene_html(out, object.material_ref);
    out += "</td><td>";
    if (!object.file.empty()) {
      out += "<span class=\"chip ";
      out += palette.colour_class(object.file);
      out += "\"></span>";
      append_html(out, object.file);
    }
    out += "</td>";
    cell(out, object.status());
    cell(out, object.reason);
    out += "</tr>";
  }
  out += "</tbody></table></div></section>";
}

void append_materials_table(std::string& out, const Session& session) {
  const SceneState& scene = session.scene;
  out += "<section id=\"materials\"><h2>Materials</h2>";
  if (scene.project_mapped != 1) {
    out += "<p>This scene has no material list: no .mat file is written.</p></section>";
    return;
  }
  out +=
      "<table id=\"materials-table\"><thead><tr><th class=\"n\">Slot (m, s)</th><th>Name</th>"
      "<th>Texture</th><th>Colour</th><th>Opacity</th><th>Placeholder pixelmap</th>";
  // The texture steps' column, when they ran.
  if (!scene.textures.empty()) out += "<th>Texture files</th>";
  out += "</tr></thead><tbody>";
  for (std::size_t m = 0; m < scene.nr_submats.size(); ++m) {
    // The slots the material writer walks: 0 .. nr_submats(m).
    auto last = static_cast<std::size_t>(std::max<std::int64_t>(scene.nr_submats[m], 0));
    for (std::size_t s = 0; s <= last; ++s) {
      if (!scene.mat_names.at(m, s).empty()) append_material_row(out, session, m, s);
    }
  }
  out += "</tbody></table></section>";
}

void append_messages(std::string& out, const SceneRecords& records) {
  out += "<section id=\"messages\"><h2>Messages</h2>";
  if (records.messages.empty()) {
    out += "<p>The run showed no message.</p></section>";
    return;
  }
  out += "<ol class=\"messages\">";
  for (const RecordedMessage& message : records.messages) {
    out += "<li class=\"";
    out += message_kind(message.style);
    out += "\"><b>";
    append_html(out, message.title);
    out += "</b> ";
    append_html(out, message.text);
    out += "</li>";
  }
  out += "</ol></section>";
}

}  // namespace meshmill
