#include "win32/form_controls.h"

#include <commctrl.h>

#include <string>

#include "app/progress_steps.h"
#include "platform/wide_text.h"

namespace meshmill::win32 {

namespace {

constexpr int first_id = 100;  // clear of IDOK and IDCANCEL, which Enter and Esc send

struct WindowClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style = 0;
};

WindowClass text_box_class(unsigned looks) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (looks & look::read_only) style |= ES_READONLY;
  if (looks & look::numeric) style |= ES_RIGHT;
  // A multi-line box would keep Tab for itself; it only shows the program's comments.
  if (looks & look::multi_line) style = ES_READONLY | ES_MULTILINE | WS_VSCROLL;
  return {L"Edit", style, WS_EX_CLIENTEDGE};
}

WindowClass class_of(const FormEntry& entry) {
  switch (entry.kind) {
    case ControlKind::group:
      return {L"Button", BS_GROUPBOX};
    case ControlKind::button:
      return {L"Button", WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::check_box:
      return {L"Button", WS_TABSTOP | BS_AUTOCHECKBOX};
    case ControlKind::text_box:
      return text_box_class(entry.looks);
    case ControlKind::label:
      return {L"Static", SS_LEFT};
    case ControlKind::progress_bar:
      return {PROGRESS_CLASSW, 0};
    case ControlKind::separator:
      return {L"Static", SS_ETCHEDHORZ};
  }
  return {L"Static", 0};
}

// A multi-line edit box breaks lines only at CR LF.
std::wstring shown_text(const std::string& text, bool multi_line) {
  std::wstring wide = utf8_to_utf16(text);
  if (!multi_line) return wide;
  std::wstring lines;
  for (wchar_t c : wide) {
    if (c == L'\n' && (lines.empty() || lines.back() != L'\r')) lines += L'\r';
    lines += c;
  }
  return lines;
}

std::wstring wide_window_text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

void show_text(HWND window, const std::wstring& text) {
  if (wide_window_text(window) != text) SetWindowTextW(window, text.c_str());
}

void show_state(HWND window, bool enabled, bool visible) {
  if ((IsWindowEnabled(window) != FALSE) != enabled) EnableWindow(window, enabled);
  bool shown = (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != visible) ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}

// Renders one control from the WindowState member it is bound to.
struct Renderer {
  const WindowState& state;
  const FormControl& control;

  void operator()(std::monostate) const {}
  void operator()(Button WindowState::*member) const {
    const Button& button = state.*member;
    show_text(control.window, utf8_to_utf16(button.caption));
    show_state(control.window, button.enabled, button.visible);
  }
  void operator()(CheckBox WindowState::*member) const {
    const CheckBox& box = state.*member;
    WPARAM wanted = box.value == 0 ? BST_UNCHECKED : BST_CHECKED;
    if (static_cast<WPARAM>(SendMessageW(control.window, BM_GETCHECK, 0, 0)) != wanted) {
      SendMessageW(control.window, BM_SETCHECK, wanted, 0);
    }
    show_state(control.window, box.enabled, box.visible);
  }
  void operator()(TextBox WindowState::*member) const {
    const TextBox& box = state.*member;
    show_text(control.window, shown_text(box.text, control.entry->looks & look::multi_line));
    show_state(control.window, box.enabled, box.visible);
  }
  void operator()(Label WindowState::*member) const {
    const Label& label = state.*member;
    show_text(control.window, utf8_to_utf16(label.caption));
    show_state(control.window, true, label.visible);
  }
  void operator()(ProgressBar WindowState::*member) const {
    const ProgressBar& bar = state.*member;
    BarSteps steps = bar_steps(bar);
    HWND window = control.window;
    if (SendMessageW(window, PBM_GETRANGE, FALSE, 0) != steps.maximum) {
      SendMessageW(window, PBM_SETRANGE32, 0, steps.maximum);
    }
    if (SendMessageW(window, PBM_GETPOS, 0, 0) != steps.value) {
      SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(steps.value), 0);
    }
    show_state(window, true, bar.visible);
  }
};

}  // namespace

std::string window_text(HWND window) {
  return utf16_to_utf8(wide_window_text(window));
}

void FormControls::create(HWND parent, const WindowState& initial) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  int id = first_id;
  for (const FormEntry& entry : form_entries()) {
    WindowClass kind = class_of(entry);
    std::wstring caption = utf8_to_utf16(caption_of(entry, initial));
    HWND window = CreateWindowExW(kind.ex_style, kind.name, caption.c_str(),
                                  WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                  nullptr);
    controls_.push_back({&entry, window, id});
    ++id;
  }
  render(initial);
}

void FormControls::set_fonts(HFONT normal, HFONT bold) {
  for (const FormControl& control : controls_) {
    HFONT font = control.entry->looks & look::bold ? bold : normal;
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

void FormControls::render(const WindowState& window) {
  for (const FormControl& control : controls_) {
    std::visit(Renderer{window, control}, control.entry->state);
  }
}

const FormControl* FormControls::by_id(int id) const {
  int index = id - first_id;
  if (index < 0 || static_cast<std::size_t>(index) >= controls_.size()) return nullptr;
  return &controls_[static_cast<std::size_t>(index)];
}

const FormControl* FormControls::by_window(HWND window) const {
  for (const FormControl& control : controls_) {
    if (control.window == window) return &control;
  }
  return nullptr;
}

HWND FormControls::window_of(std::string_view name) const {
  for (const FormControl& control : controls_) {
    if (name == control.entry->name) return control.window;
  }
  return nullptr;
}

}  // namespace meshmill::win32
