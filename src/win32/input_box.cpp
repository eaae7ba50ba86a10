#include "win32/input_box.h"

#include <cstdint>
#include <vector>

namespace meshmill::win32 {

namespace {

constexpr WORD prompt_id = 100;
constexpr WORD edit_id = 101;

// An in-memory dialog template (DLGTEMPLATE and its items), built of WORDs as
// the format is. Sizes are dialog units, which follow the dialog font and so
// the DPI.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short cx, short cy, WORD items) {
    add_dword(style | DS_SETFONT);
    add_dword(0);  // extended style
    words_.push_back(items);
    add_rect(0, 0, cx, cy);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    words_.push_back(0);  // the title is set when the dialog opens
    words_.push_back(8);  // point size of the font
    add_text(L"MS Shell Dlg");
  }

  void add_item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
                const wchar_t* text) {
    if (words_.size() % 2 != 0) words_.push_back(0);  // items start on a DWORD boundary
    add_dword(WS_CHILD | WS_VISIBLE | style);
    add_dword(0);
    add_rect(x, y, cx, cy);
    words_.push_back(id);
    words_.push_back(0xFFFF);  // a predefined class, by its atom
    words_.push_back(atom);
    add_text(text);
    words_.push_back(0);  // no creation data
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void add_dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void add_rect(short x, short y, short cx, short cy) {
    for (short value : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(value));
  }
  void add_text(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }

  std::vector<WORD> words_;
};

constexpr WORD button_atom = 0x0080;
constexpr WORD edit_atom = 0x0081;
constexpr WORD static_atom = 0x0082;

struct Request {
  const std::wstring& prompt;
  const std::wstring& title;
  const std::wstring& default_text;
  std::wstring answer;
};

std::wstring item_text(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  int length = GetWindowTextW(item, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

INT_PTR CALLBACK dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* request = reinterpret_cast<Request*>(lparam);
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      SetWindowTextW(dialog, request->title.c_str());
      SetDlgItemTextW(dialog, prompt_id, request->prompt.c_str());
      SetDlgItemTextW(dialog, edit_id, request->default_text.c_str());
      HWND edit = GetDlgItem(dialog, edit_id);
      SetFocus(edit);
      SendMessageW(edit, EM_SETSEL, 0, -1);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      WORD id = LOWORD(wparam);
      if (id == IDOK) {
        auto* request = reinterpret_cast<Request*>(GetWindowLongPtrW(dialog, DWLP_USER));
        request->answer = item_text(dialog, edit_id);
      }
      if (id == IDOK || id == IDCANCEL) EndDialog(dialog, id);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

std::optional<std::wstring> ask_text(HWND owner, const std::wstring& prompt,
                                     const std::wstring& title, const std::wstring& default_text) {
  // The classic input box: the prompt beside OK and Cancel, the edit box below.
  DialogTemplate form(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER |
                          DS_FIXEDSYS,
                      260, 92, 4);
  form.add_item(SS_LEFT | SS_NOPREFIX, 7, 7, 186, 56, prompt_id, static_atom, L"");
  form.add_item(WS_TABSTOP | BS_DEFPUSHBUTTON, 203, 7, 50, 14, IDOK, button_atom, L"OK");
  form.add_item(WS_TABSTOP | BS_PUSHBUTTON, 203, 25, 50, 14, IDCANCEL, button_atom, L"Cancel");
  form.add_item(WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7, 70, 246, 14, edit_id, edit_atom,
                L"");
  Request request{prompt, title, default_text, {}};
  INT_PTR result = DialogBoxIndirectParamW(
      GetModuleHandleW(nullptr), form.get(), owner,
      dialog_proc, reinterpret_cast<LPARAM>(&request));
  if (result != IDOK) return std::nullopt;
  return request.answer;
}

}  // namespace meshmill::win32
