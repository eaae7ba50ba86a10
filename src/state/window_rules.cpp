#include "state/window_rules.h"

namespace meshmill {

void apply_check_all(WindowState& window, const std::string& file_type) {
  bool open = !window.Check_all.ticked();
  bool scene_has_materials = file_type != "asc";
  window.Check_splitasc.enabled = open;
  window.Check_flip3daxis.enabled = open;
  window.Check_createmat.enabled = open && scene_has_materials;
  window.Check_vtextures.enabled = open && scene_has_materials;
}

void apply_check3(WindowState& window) {
  bool choose_target = !window.Check3.ticked();
  window.Target_filename.visible = choose_target;
  window.Text_savefile.visible = choose_target;
}

}  // namespace meshmill
