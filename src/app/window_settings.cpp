#include "app/window_settings.h"

namespace meshmill {

namespace {

struct BoxToSetting {
  CheckBox WindowState::*box;
  bool RunSettings::*setting;
};

// Which control feeds which setting.
constexpr BoxToSetting boxes[] = {
    {&WindowState::Check_all, &RunSettings::use_all_required},
    {&WindowState::Check_createmat, &RunSettings::create_mat},
    {&WindowState::Check_splitasc, &RunSettings::split_asc},
    {&WindowState::Check_flip3daxis, &RunSettings::flip_axis},
    {&WindowState::Check_vtextures, &RunSettings::flip_textures},
    {&WindowState::Check1, &RunSettings::auto_shorten_textures},
    {&WindowState::Check2, &RunSettings::two_sided},
    {&WindowState::Check3, &RunSettings::target_from_source},
    {&WindowState::Check4, &RunSettings::overwrite_without_warning},
    {&WindowState::Check5, &RunSettings::keep_long_texture_names},
    {&WindowState::Check6, &RunSettings::white_diffuse},
    {&WindowState::Check7, &RunSettings::prepare_textures},
};

}  // namespace

RunSettings settings_from_window(const WindowState& window) {
  RunSettings settings;
  for (const BoxToSetting& entry : boxes) settings.*entry.setting = (window.*entry.box).ticked();
  settings.only_objects = window.Text3.text;  // Text3, "Include only following objects :"
  settings.target = window.Text_savefile.text;
  return settings;
}

}  // namespace meshmill
