#include "win32/form_hints.h"

#include <commctrl.h>

#include <string>

#include "platform/wide_text.h"
#include "win32/dpi.h"

namespace meshmill::win32 {

namespace {

constexpr int hint_width = 360;  // at 100 %

TTTOOLINFOW tool_on_form(HWND form, const FormControl& control) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = form;
  tool.uId = static_cast<UINT_PTR>(control.id);
  return tool;
}

}  // namespace

void FormHints::create(HWND form, const FormControls& controls) {
  form_ = form;
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form,
                          nullptr, nullptr, nullptr);
  // A frame's area holds its controls: their tools come first, so they win.
  for (int frames = 0; frames < 2; ++frames) {
    for (const FormControl& control : controls.all()) {
      const char* hint = control.entry->hint;
      if (!hint || (control.entry->kind == ControlKind::group) != (frames == 1)) continue;
      std::wstring text = utf8_to_utf16(hint);
      TTTOOLINFOW tool = tool_on_form(form, control);
      tool.uFlags = TTF_SUBCLASS;
      tool.lpszText = text.data();
      SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
      if (control.entry->kind == ControlKind::group) continue;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.uId = reinterpret_cast<UINT_PTR>(control.window);
      SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

void FormHints::set_dpi(UINT dpi) {
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, scaled(hint_width, dpi));
}

void FormHints::update(const FormControls& controls) {
  for (const FormControl& control : controls.all()) {
    if (!control.entry->hint) continue;
    TTTOOLINFOW tool = tool_on_form(form_, control);
    // A hidden control has no area to hint at.
    if (GetWindowLongPtrW(control.window, GWL_STYLE) & WS_VISIBLE) {
      GetWindowRect(control.window, &tool.rect);
      MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&tool.rect), 2);
    }
    SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void FormHints::destroy() {
  if (tips_) DestroyWindow(tips_);
  tips_ = nullptr;
}

}  // namespace meshmill::win32
