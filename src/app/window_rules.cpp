#include "app/window_rules.h"

namespace meshmill {

void apply_check3(WindowState& window) {
  bool own_target = !window.Check3.ticked();
  window.Target_filename.visible = own_target;
  window.Text_savefile.visible = own_target;
}

}  // namespace meshmill
