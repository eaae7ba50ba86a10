#pragma once

#include <cstdint>
#include <string>

#include "state/run_settings.h"

namespace meshmill {

// The window as plain state: the commands change it, the Qt window renders it
// and forwards clicks. Control names are the window's own. Texts are UTF-8.

struct Button {
  std::string caption;
  bool enabled = true;
  bool visible = true;
};

struct CheckBox {
  std::string caption;
  int value = 0;  // 0 unticked, 1 ticked
  bool enabled = true;
  bool visible = true;
  bool ticked() const { return value == 1; }
};

struct TextBox {
  std::string text;
  bool enabled = true;
  bool visible = true;
};

struct Label {
  std::string caption;
  bool visible = true;
};

struct ProgressBar {
  std::int64_t minimum = 0;
  std::int64_t maximum = 100;
  std::int64_t value = 0;
  bool visible = false;
  // Sets the range; a range whose end is below its start (a one-line file)
  // is widened so the bar never fails.
  void set_range(std::int64_t from, std::int64_t to) {
    minimum = from;
    maximum = to < from ? from : to;
    value = minimum;
  }
  void set_value(std::int64_t v) { value = v < minimum ? minimum : (v > maximum ? maximum : v); }
};

enum class MousePointer { normal, busy };

struct WindowState {
  Button Analize_filename{"&Indicate and analyze 3d scene file"};
  TextBox Text_loadfile;
  Label Label_analize{"Analyzing...", false};
  ProgressBar Analize_bar;

  // Group "Settings for processed file creation".
  // app/window_settings.cpp maps these onto RunSettings.
  CheckBox Check_all{setting_caption::use_all_required, 1};
  CheckBox Check_createmat{setting_caption::create_mat, 0, false};
  CheckBox Check_splitasc{setting_caption::split_asc, 0, false};
  CheckBox Check_flip3daxis{setting_caption::flip_axis, 0, false};
  CheckBox Check_vtextures{setting_caption::flip_textures, 0, false};
  CheckBox Check1{setting_caption::auto_shorten_textures, 0};
  CheckBox Check2{setting_caption::two_sided, 1};
  CheckBox Check3{setting_caption::target_from_source, 0};
  CheckBox Check4{setting_caption::overwrite_without_warning, 0};
  CheckBox Check5{setting_caption::keep_long_texture_names, 1};
  CheckBox Check6{setting_caption::white_diffuse, 0};
  CheckBox Check7{setting_caption::prepare_textures, 0};
  Label Label5{"Include only following objects :"};
  TextBox Text3;
  Button Target_filename{"&Target filename and path for processed 3d scene file", false};
  TextBox Text_savefile;
  Button Start_process{"&Start Process"};
  Label Label_process{"Progress : ", false};
  ProgressBar Process_bar;

  // Group "Statistics of analized 3d scene file".
  TextBox Text_total_objects;
  TextBox Text_valid_objects;
  TextBox Text_faces;
  TextBox Text_vertices;
  TextBox Text_ascsplit;
  Label Label11{"Comments : "};
  TextBox Text_comments;
  Button Clear_statistics{"&Clear statistics and unload 3d scene file info", false};
  Button Open_error_log{"&Open log error txt file", false};
  Button Open_report{"Scene &map and report", false};
  Button Restore_textures{"&Restore texture names", false};

  MousePointer pointer = MousePointer::normal;
};

}  // namespace meshmill
