#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/form_description.h"

namespace meshmill::win32 {

// One control of Form1: its entry in the form's description and its window.
struct FormControl {
  const FormEntry* entry;
  HWND window;
  int id;  // the control's id in WM_COMMAND
};

// Form1's standard Windows controls, made from the form's description in its
// order (so Tab follows the visual order), each showing its WindowState member.
class FormControls {
 public:
  void create(HWND parent, const WindowState& initial);
  void set_fonts(HFONT normal, HFONT bold);
  // Brings every control to what `window` says, touching only what changed.
  void render(const WindowState& window);

  const std::vector<FormControl>& all() const { return controls_; }
  const FormControl* by_id(int id) const;
  const FormControl* by_window(HWND window) const;
  HWND window_of(std::string_view name) const;

 private:
  std::vector<FormControl> controls_;
};

// The text of a control's window, as UTF-8.
std::string window_text(HWND window);

}  // namespace meshmill::win32
