#include "analysis/texture_names.h"

#include <algorithm>

#include "analysis/material_input.h"
#include "format/bitmap_name.h"
#include "format/keywords.h"
#include "format/limits.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "state/texture_folder.h"

namespace meshmill {

namespace {

constexpr std::string_view texture_extension = ".tga";
constexpr std::string_view file_extension = ".tif";
constexpr char short_name_mark = '\xAB';  // "«" in Windows-1252

// One long texture file found in the TIFFRGB folder.
struct LongTexture {
  std::string base;    // the base name from the scene, Windows-1252
  std::string path;    // the .tif file as it is on disk
  std::string backup;  // the same with the extension .ti
};

std::optional<std::string> find_texture_file(Session& session, std::string_view base) {
  return find_texture_tif(session.fs, session.scene.tif_folder, base);
}

std::string texture_file_path(Session& session, std::string_view base) {
  return join_path(session.scene.tif_folder, texture_tif_name(base));
}

// The first characters of the long name, the mark and a number. Past number
// 999 the prefix gives up one character per digit so the name keeps to 15
// characters; a number whose file already exists is passed over, so no
// texture is ever renamed onto another one.
std::string automatic_short_name(Session& session, std::string_view long_name) {
  for (std::int64_t number = session.scene.num_bigmat;; ++number) {
    std::string digits = std::to_string(number);
    std::size_t room = longest_texture_base - 1 - std::min(digits.size(), longest_texture_base - 1);
    std::string base(long_name.substr(0, std::min<std::size_t>(11, room)));
    base += short_name_mark;
    base += digits;
    if (!find_texture_file(session, base)) return base + std::string(texture_extension);
  }
}

bool rename_with_backup(Session& session, const LongTexture& texture, std::string_view new_base) {
  std::string why;
  if (!session.fs.copy_file(texture.path, texture.backup, &why)) {
    report_file_failure(session, "copied to " + texture.backup, texture.path, why);
    return false;
  }
  std::string target = texture_file_path(session, new_base);
  if (!session.fs.rename_file(texture.path, target, &why)) {
    report_file_failure(session, "renamed to " + target, texture.path, why);
    return false;
  }
  return true;
}

struct Refusal {
  const char* text;
  const char* title;
};

constexpr Refusal outside_folder{
    "You cannot choose this name since it holds a path separator (\\, / or :) or \"..\", so it "
    "would rename a file outside the TIFFRGB folder.",
    "Error"};
constexpr Refusal taken{
    "You cannot choose this name since there is already a texture file with "
    "this name!",
    "Error"};
constexpr Refusal reserved{
    "You cannot choose this name since it's used internally by this "
    "program to represent empty materials.",
    "Error"};
constexpr Refusal too_long{"Didn't you readed the warning ?! No more than 15 characters allowed!!",
                           "Warning"};

std::optional<Refusal> refusal_of(Session& session, const std::string& answer, TextureSlot slot) {
  if (answer.find_first_of("\\/:") != std::string::npos || answer.find("..") != std::string::npos) {
    return outside_folder;
  }
  bool exists = find_texture_file(session, answer).has_value();
  bool is_marker = equal_ignoring_case(answer, empty_material);
  if (slot == TextureSlot::material) {
    if (exists) return taken;
    if (is_marker) return reserved;
  } else {
    if (is_marker) return reserved;
    if (exists) return taken;
  }
  if (answer.size() > longest_texture_base) return too_long;
  return std::nullopt;
}

// Asks for a short name until one is acceptable; nothing when the user cancels.
std::optional<std::string> ask_short_name(Session& session, const LongTexture& texture,
                                          TextureSlot slot) {
  std::string shown = cp1252_to_utf8(texture.base);
  std::string prompt =
      "The texture file \"" + shown +
      "\" has more than 15 characters, you have to manually enter a new shorter name (without "
      "extension or path indicators!). If this appears too many times, it's recommended to "
      "cancel this and the processing, and turning on the automatic shortening of filenames, but "
      "in that case you will have to restore the original names of the files using the backups, "
      "if not the program won't find the textures with the original names.";
  for (;;) {
    std::string typed = session.prompt.input_box(prompt, "Warning", shown);
    if (typed.empty()) {
      session.prompt.message_box(
          "Importing of 3d scene cancelled, remember to restore the original names of the "
          "renamed files with the backuped texture files.",
          style::error_icon, "Cancelled");
      session.early_end = {CommandResult::cancelled};
      return std::nullopt;
    }
    std::string answer = utf8_to_cp1252(typed);
    auto refusal = refusal_of(session, answer, slot);
    if (!refusal) return answer;
    session.prompt.message_box(refusal->text, style::error_icon, refusal->title);
  }
}

}  // namespace

std::optional<std::string> resolve_texture_name(Session& session, const RunSettings& settings,
                                                RenamedTextures& renamed,
                                                std::string_view bitmap_path, TextureSlot slot) {
  SceneState& scene = session.scene;
  std::string base(bitmap_base_name(bitmap_path));
  std::string long_name = base + std::string(texture_extension);
  if (settings.keep_long_texture_names || base.size() <= longest_texture_base) return long_name;
  // Texture files are found without regard to letter case, so the names
  // that lead to one file share its new name.
  std::string key = ascii_lowered(long_name);
  if (auto earlier = renamed.find(key); earlier != renamed.end()) return earlier->second;

  auto entry = find_texture_file(session, base);
  if (!entry) {
    refuse_scene(
        session,
        "One of the texture files of the 3dscene that has more than 15 characters is missing (\"" +
            cp1252_to_utf8(base) +
            "\") you should have ALL the texture files in the corresponding TIFFRGB folder in .tif "
            "file format before processing a 3d scene. The importing of this 3d scene is "
            "cancelled.");
    return std::nullopt;
  }
  LongTexture texture{
      base, join_path(scene.tif_folder, *entry),
      join_path(scene.tif_folder, entry->substr(0, entry->size() - file_extension.size()) + ".ti")};

  scene.big_matfilenames = 1;
  if (scene.bigmat_warn == 0) {
    session.prompt.message_box(
        "Textures files with more than 15 characters were found, so each renamed file will be "
        "backuped with their original name, with a textension .ti make sure you restore them "
        "immediatly in case the processing is cancelled.",
        style::information_icon, "Warning");
    scene.bigmat_warn = 1;
  }

  std::string new_name;
  if (settings.auto_shorten_textures) {
    new_name = automatic_short_name(session, long_name);
    std::string_view new_base(new_name.data(), new_name.size() - texture_extension.size());
    if (!rename_with_backup(session, texture, new_base)) return std::nullopt;
  } else {
    auto answer = ask_short_name(session, texture, slot);
    if (!answer || !rename_with_backup(session, texture, *answer)) return std::nullopt;
    scene.short_names_typed = true;
    // Readers take the base name of the texture text: with the extension, a
    // typed name holding a dot keeps all of its characters.
    new_name = *answer + std::string(texture_extension);
  }
  scene.bigmat_names.push_back(long_name + " , " + new_name);
  ++scene.num_bigmat;
  renamed.emplace(key, new_name);
  return new_name;
}

}  // namespace meshmill
