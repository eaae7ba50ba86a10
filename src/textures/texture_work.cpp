#include "textures/texture_work.h"

#include <algorithm>

#include "format/bitmap_name.h"
#include "platform/ascii_case.h"
#include "platform/file_system.h"
#include "platform/image_codec.h"
#include "platform/paths.h"
#include "state/texture_folder.h"
#include "textures/pixelmap_file.h"
#include "textures/texture_size.h"
#include "textures/texture_source.h"
#include "textures/texture_summary.h"

namespace meshmill {

namespace {

// No image file worth decoding comes near this; a larger one is refused unread.
constexpr std::int64_t largest_image_file = std::int64_t{1} << 30;
constexpr int thumbnail_side = 64;

TextureRecord* record_of(SceneState& scene, std::string_view base) {
  for (TextureRecord& record : scene.textures) {
    if (equal_ignoring_case(record.base, base)) return &record;
  }
  return nullptr;
}

// The record's image, decoded; nothing with `problem` set.
std::optional<Image> load_image(Session& session, const TextureRecord& record,
                                std::string& problem) {
  std::string why;
  auto bytes = read_whole_file(session.fs, record.source, largest_image_file, &why);
  if (!bytes) {
    problem = "the image could not be read (" + why + ")";
    return std::nullopt;
  }
  DecodeResult decoded = decode_image(*bytes);
  if (!decoded.image) {
    problem = decoded.problem;
    return std::nullopt;
  }
  return std::move(decoded.image);
}

Image thumbnail_of(const Image& image) {
  const int longer = std::max(image.width, image.height);
  if (longer <= thumbnail_side) return image;
  auto side = [&](int length) { return std::max(1, length * thumbnail_side / longer); };
  return resize_image(image, side(image.width), side(image.height));
}

// TIFFRGB/<texture>.tif as the folder spells it, when there is one.
std::optional<std::string> existing_tif(Session& session, std::string_view texture) {
  const std::string& folder = session.scene.tif_folder;
  auto entry = find_texture_tif(session.fs, folder, texture);
  if (!entry) return std::nullopt;
  return join_path(folder, *entry);
}

// TIFFRGB/<base>.tif for Plaything2, unless one is there: it is never replaced.
void prepare_tif(Session& session, TextureRecord& record, const Image& image) {
  if (auto found = existing_tif(session, record.base)) {
    record.tif = *found;
    return;
  }
  const std::string& folder = session.scene.tif_folder;
  std::string why;
  if (!session.fs.folder_exists(folder) && !session.fs.create_folder(folder, &why)) {
    record.problem = "the folder " + folder + " could not be created (" + why + ")";
    return;
  }
  auto tiff = encode_tiff_rgb(image, &why);
  const std::string path = join_path(folder, texture_tif_name(record.base));
  if (!tiff || !write_file_atomically(session.fs, path, *tiff, &why)) {
    record.problem = "the TIFF could not be written (" + why + ")";
    return;
  }
  record.tif = path;
  record.tif_written = true;
}

// PIX16/<name>.pix for the game, at a size it can use.
void write_pixelmap(Session& session, TextureRecord& record, const std::string& path) {
  auto image = load_image(session, record, record.pix_problem);
  if (!image) return;
  const TextureSize size = game_size(image->width, image->height);
  if (size.width != image->width || size.height != image->height) {
    *image = resize_image(*image, size.width, size.height);
  }
  auto pixelmap = encode_pixelmap(record.name, *image);
  std::string why;
  if (!pixelmap || !write_file_atomically(session.fs, path, *pixelmap, &why)) {
    record.pix_problem = "the pixelmap could not be written (" + why + ")";
    return;
  }
  record.pix = path;
  record.pix_type = static_cast<int>(pixelmap_type(*image));
  record.width = size.width;
  record.height = size.height;
  session.scene.processed_files.push_back(path);
}

// The pixelmaps to write: each texture name of the .mat once, with its record.
std::vector<TextureRecord*> pixelmap_records(SceneState& scene) {
  for (TextureRecord& record : scene.textures) {
    record.pix.clear();
    record.pix_type = record.width = record.height = 0;
    record.pix_problem.clear();
    record.pix_kept = false;
  }
  std::vector<TextureRecord*> found;
  for (const MatTexture& texture : scene.mat_textures) {
    for (TextureRecord& record : scene.textures) {
      const auto& texts = record.slot_textures;
      if (std::find(texts.begin(), texts.end(), texture.slot_texture) == texts.end()) continue;
      if (std::find(found.begin(), found.end(), &record) == found.end()) {
        record.name = texture.name;
        found.push_back(&record);
      }
      break;
    }
  }
  return found;
}

std::string pixelmap_path(const Session& session, const TextureRecord& record) {
  return join_path(session.scene.pix16_dest, pixelmap_file_name(record.name));
}

// Existing pixelmaps are replaced when the user agrees, or without asking
// when existing files are to be overwritten anyway.
bool replace_existing(Session& session, const RunSettings& settings,
                      const std::vector<TextureRecord*>& records) {
  std::int64_t existing = 0;
  for (const TextureRecord* record : records) {
    if (record->readable() && session.fs.entry_exists(pixelmap_path(session, *record))) {
      ++existing;
    }
  }
  if (existing == 0 || settings.overwrite_without_warning) return true;
  std::string text = std::to_string(existing) +
                     (existing == 1 ? " pixelmap of this scene's textures already exists"
                                    : " pixelmaps of this scene's textures already exist") +
                     " in the PIX16 folder. Do you want to replace " +
                     (existing == 1 ? "it?" : "them?");
  return session.prompt.message_box(text, style::yes_no + style::question_icon, "Question") ==
         answer::yes;
}

}  // namespace

void TextureWork::texture_found(Session& session, std::string_view bitmap_path) {
  SceneState& scene = session.scene;
  const std::string base(bitmap_base_name(bitmap_path));
  if (base.empty() || record_of(scene, base)) return;
  TextureRecord& record = scene.textures.emplace_back();
  record.bitmap = std::string(bitmap_path);
  record.base = base;
  record.name = base;
  // A scene named without a folder lies in the current one.
  const std::string folder = parent_folder(scene.fich);
  TextureSearch where{scene.tif_folder, folder.empty() ? std::string(".") : folder,
                      system_is_windows};
  auto source = find_texture_image(session.fs, where, bitmap_path);
  if (!source) {
    record.problem = "missing";
    return;
  }
  record.source = *source;
  auto image = load_image(session, record, record.problem);
  if (!image) return;
  record.source_width = image->width;
  record.source_height = image->height;
  // Only a report shows it, and making it is most of a small texture's cost.
  if (session.record_objects) record.thumbnail_png = encode_png(thumbnail_of(*image));
  prepare_tif(session, record, *image);
}

void TextureWork::texture_named(Session& session, std::string_view bitmap_path,
                                std::string_view slot_texture) {
  TextureRecord* record = record_of(session.scene, bitmap_base_name(bitmap_path));
  if (!record) return;
  if (record->slot_textures.empty()) {
    record->name = std::string(bitmap_base_name(slot_texture));
    // A shortened name: its .tif went to the short name, after a backup.
    if (!record->tif.empty() && record->name != record->base) {
      if (auto found = existing_tif(session, record->name)) record->tif = *found;
    }
  }
  const auto& texts = record->slot_textures;
  if (std::find(texts.begin(), texts.end(), slot_texture) == texts.end()) {
    record->slot_textures.emplace_back(slot_texture);
  }
}

void TextureWork::write_pixelmaps(Session& session, const RunSettings& settings, bool& express) {
  SceneState& scene = session.scene;
  std::vector<TextureRecord*> records = pixelmap_records(scene);
  const bool replace = replace_existing(session, settings, records);
  if (!records.empty() && !session.fs.folder_exists(scene.pix16_dest)) {
    session.fs.create_folder(scene.pix16_dest);
  }
  for (TextureRecord* record : records) {
    session.events.yield();
    if (!record->readable()) continue;  // missing or unreadable: said at the analysis
    const std::string path = pixelmap_path(session, *record);
    if (!replace && session.fs.entry_exists(path)) {
      record->pix_problem = "kept: " + path + " was there already";
      record->pix_kept = true;
      continue;
    }
    write_pixelmap(session, *record, path);
  }
  if (tell_texture_problems(session, records)) express = false;
}

}  // namespace meshmill
