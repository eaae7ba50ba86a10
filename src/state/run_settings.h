#pragma once

#include <string>

namespace meshmill {

// What the user chose for one command: the window's settings group, or the
// command line's flags. The window maps its controls onto these fields in
// app/window_settings.cpp (the table of which control feeds which field); the
// command-line tool fills them from its flags. The passes read nothing else.
struct RunSettings {
  // "Use all required settings...": applies the four settings below it,
  // whatever they say. Read them through the functions further down.
  bool use_all_required = true;
  bool create_mat = false;
  bool split_asc = false;
  bool flip_axis = false;
  bool flip_textures = false;

  bool auto_shorten_textures = false;
  bool two_sided = true;
  bool target_from_source = false;  // the target is the input's name with .asc, beside it
  bool overwrite_without_warning = false;
  bool keep_long_texture_names = true;  // long texture names are not shortened
  bool white_diffuse = false;
  // TIFFs in TIFFRGB for Plaything2 and pixelmaps in PIX16 for the game,
  // made from the textures' images.
  bool prepare_textures = false;

  std::string only_objects;  // "Include only following objects": UTF-8, "" for all
  std::string target;        // the chosen target .asc (UTF-8), "" when none was chosen

  bool writes_material_file() const { return use_all_required || create_mat; }
  bool splits_files() const { return use_all_required || split_asc; }
  bool flips_axis() const { return use_all_required || flip_axis; }
  bool flips_textures() const { return use_all_required || flip_textures; }
};

// The settings' captions, as the window shows them and the report repeats them.
namespace setting_caption {
inline constexpr const char* use_all_required =
    "Use all required settings for a complete 3d scene importing";
inline constexpr const char* create_mat = "Create custom .mat file for the imported scene";
inline constexpr const char* split_asc = "Split 3d scene file into 255 objects each file";
inline constexpr const char* flip_axis = "Flip 3D studio axis";
inline constexpr const char* flip_textures = "Flip all textures vertically";
inline constexpr const char* auto_shorten_textures = "Automatically shortens pixelmap filenames";
inline constexpr const char* two_sided = "Apply \"two sided\" flag in all materials";
inline constexpr const char* target_from_source =
    "Use the source filename as target name (.ASE files only)";
inline constexpr const char* overwrite_without_warning =
    "Automatically overwrite .asc and .mat files without warn.";
inline constexpr const char* keep_long_texture_names =
    "Ignore renaming of longnamed textures files";
inline constexpr const char* white_diffuse =
    "Set C2 default diffuse color (White) in EVERY materials";
inline constexpr const char* prepare_textures =
    "Prepare &textures (TIFF for Plaything2, PIX16 pixelmaps for the game)";
}  // namespace setting_caption

struct SettingEntry {
  const char* caption;
  bool RunSettings::*field;
  bool implied_by_all;  // applied whatever it says when `use_all_required` is on
};

// The yes-or-no settings in the order the report lists them.
inline constexpr SettingEntry listed_settings[] = {
    {setting_caption::use_all_required, &RunSettings::use_all_required, false},
    {setting_caption::split_asc, &RunSettings::split_asc, true},
    {setting_caption::flip_axis, &RunSettings::flip_axis, true},
    {setting_caption::flip_textures, &RunSettings::flip_textures, true},
    {setting_caption::create_mat, &RunSettings::create_mat, true},
    {setting_caption::auto_shorten_textures, &RunSettings::auto_shorten_textures, false},
    {setting_caption::two_sided, &RunSettings::two_sided, false},
    {setting_caption::target_from_source, &RunSettings::target_from_source, false},
    {setting_caption::overwrite_without_warning, &RunSettings::overwrite_without_warning, false},
    {setting_caption::keep_long_texture_names, &RunSettings::keep_long_texture_names, false},
    {setting_caption::white_diffuse, &RunSettings::white_diffuse, false},
    {setting_caption::prepare_textures, &RunSettings::prepare_textures, false},
};

}  // namespace meshmill
