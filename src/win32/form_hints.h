#pragma once

#include <windows.h>

#include "win32/form_controls.h"

namespace meshmill::win32 {

// The controls' help texts as tooltips. A control takes the mouse itself only
// while it is enabled; over a disabled control, a label or a frame the mouse
// belongs to the form, so each hint is also a tool on the form's area of its
// control, kept in step with the layout and with what is shown.
class FormHints {
 public:
  void create(HWND form, const FormControls& controls);
  // Wraps long hints at a width fit for `dpi`.
  void set_dpi(UINT dpi);
  // After the layout moved controls or a control was shown or hidden.
  void update(const FormControls& controls);
  void destroy();

 private:
  HWND form_ = nullptr;
  HWND tips_ = nullptr;
};

}  // namespace meshmill::win32
