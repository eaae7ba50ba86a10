#include "win32/main_window.h"

#include <shellapi.h>

#include <variant>

#include "platform/version.h"
#include "platform/wide_text.h"
#include "win32/dpi.h"
#include "win32/message_loop.h"

namespace meshmill::win32 {

namespace {

constexpr wchar_t class_name[] = L"Meshmill.Form1";
constexpr DWORD window_style = WS_OVERLAPPEDWINDOW;
constexpr UINT analyze_drop_message = WM_APP + 1;
constexpr int icon_resource = 1;  // in meshmill.rc

void register_window_class(WNDPROC procedure) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  window_class.lpszClassName = class_name;
  registered = RegisterClassExW(&window_class) != 0;
}

HICON load_icon(int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon_resource),
                                       IMAGE_ICON, size, size, 0));
}

template <class Member>
const Member* member_of(const FormControl& control) {
  return std::get_if<Member>(&control.entry->state);
}

std::wstring dropped_file(HDROP drop) {
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) != 1) return {};
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  DragQueryFileW(drop, 0, path.data(), length + 1);
  path.resize(length);
  return path;
}

}  // namespace

MainWindow::MainWindow(PromptService& prompt, FileSystem& fs, const std::string& program_folder)
    : controller_(*this, prompt, fs, program_folder) {
  create_window();
}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
  for (HGDIOBJ font : {font_, bold_font_}) {
    if (font) DeleteObject(font);
  }
  for (HICON icon : {icon_, small_icon_}) {
    if (icon) DestroyIcon(icon);
  }
}

void MainWindow::create_window() {
  register_window_class(window_proc);
  std::wstring title = L"Meshmill " + utf8_to_utf16(version);
  CreateWindowExW(0, class_name, title.c_str(), window_style, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) return;
  SIZE size = window_size_for_client(layout_.minimum_size(), window_style, 0, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::use_dpi(UINT dpi) {
  dpi_ = dpi;
  HFONT old_font = font_;
  HFONT old_bold = bold_font_;
  font_ = create_message_font(dpi, false);
  bold_font_ = create_message_font(dpi, true);
  controls_.set_fonts(font_, bold_font_);
  if (old_font) DeleteObject(old_font);
  if (old_bold) DeleteObject(old_bold);
  layout_.measure(controls_, dpi);
  hints_.set_dpi(dpi);

  HICON old_icon = icon_;
  HICON old_small = small_icon_;
  icon_ = load_icon(scaled(32, dpi));
  small_icon_ = load_icon(scaled(16, dpi));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_));
  if (old_icon) DestroyIcon(old_icon);
  if (old_small) DestroyIcon(old_small);
}

void MainWindow::relayout() {
  RECT client{};
  GetClientRect(window_, &client);
  layout_.place({client.right, client.bottom});
  hints_.update(controls_);
}

void MainWindow::show_state(const WindowState& window) {
  if (!window_) return;
  rendering_ = true;
  controls_.render(window);
  rendering_ = false;
  hints_.update(controls_);
  // The pointer changes at once when it rests on the window, not at its next move.
  POINT point{};
  GetCursorPos(&point);
  if (GetAncestor(WindowFromPoint(point), GA_ROOT) == window_) {
    bool busy = window.pointer == MousePointer::busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
  }
}

void MainWindow::run_pending_events() {
  run_pending_messages(window_);
}

void MainWindow::close_view() {
  if (window_) SendMessageW(window_, WM_CLOSE, 0, 0);
}

void MainWindow::on_command(int id, int notification, HWND from) {
  const FormControl* control = controls_.by_id(id);
  if (!control || control->window != from) return;
  if (auto* button = member_of<Button WindowState::*>(*control)) {
    if (notification != BN_CLICKED) return;
    controller_.click(*button);
  } else if (auto* box = member_of<CheckBox WindowState::*>(*control)) {
    if (notification != BN_CLICKED) return;
    bool ticked = SendMessageW(from, BM_GETCHECK, 0, 0) == BST_CHECKED;
    controller_.tick(*box, ticked);
  } else if (auto* text = member_of<TextBox WindowState::*>(*control)) {
    if (notification != EN_CHANGE || rendering_) return;
    controller_.edit(*text, window_text(from));
  }
}

void MainWindow::on_drop(HDROP drop) {
  std::string path = utf16_to_utf8(dropped_file(drop));
  DragFinish(drop);
  if (!controller_.accepts_drop(path)) return;
  dropped_path_ = path;
  PostMessageW(window_, analyze_drop_message, 0, 0);
}

LRESULT CALLBACK MainWindow::window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  LRESULT result = self->handle(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

LRESULT MainWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      controls_.create(window_, session().window);
      hints_.create(window_, controls_);
      use_dpi(window_dpi(window_));
      DragAcceptFiles(window_, TRUE);
      return 0;
    case WM_DPICHANGED: {
      use_dpi(HIWORD(wparam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      relayout();  // also when the size stayed the same
      return 0;
    }
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) relayout();
      return 0;
    case WM_ACTIVATE:
      // The focus comes back to the control that had it, as in a dialog.
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused && IsChild(window_, focused)) last_focus_ = focused;
      }
      break;
    case WM_SETFOCUS: {
      HWND target = last_focus_ && IsWindow(last_focus_) ? last_focus_ : nullptr;
      if (!target || !IsWindowEnabled(target) || !IsWindowVisible(target)) {
        target = GetNextDlgTabItem(window_, nullptr, FALSE);
      }
      if (target) SetFocus(target);
      return 0;
    }
    case WM_GETMINMAXINFO: {
      SIZE minimum = layout_.minimum_size();
      if (minimum.cx > 0) {
        SIZE outer = window_size_for_client(minimum, window_style, 0, dpi_);
        reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = {outer.cx, outer.cy};
      }
      return 0;
    }
    case WM_COMMAND:
      on_command(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case DM_GETDEFID: {
      // Enter presses the button that has the focus, as in a dialog.
      const FormControl* focused = controls_.by_window(GetFocus());
      if (focused && focused->entry->kind == ControlKind::button) {
        return MAKELRESULT(focused->id, DC_HASDEFID);
      }
      return 0;
    }
    case WM_SETCURSOR:
      if (session().window.pointer == MousePointer::busy && LOWORD(lparam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_DROPFILES:
      on_drop(reinterpret_cast<HDROP>(wparam));
      return 0;
    case analyze_drop_message: {
      std::string path = std::move(dropped_path_);
      controller_.drop(path);
      return 0;
    }
    case WM_CLOSE:
      if (controller_.request_close()) DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace meshmill::win32
