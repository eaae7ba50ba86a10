#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/throttled_event_pump.h"
#include "app/window_commands.h"
#include "platform/paths.h"
#include "platform/version.h"
#include "platform/wide_text.h"
#include "support/folder_snapshot.h"
#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_folder.h"
#include "support/test_session.h"
#include "win32/main_window.h"
#include "win32/message_loop.h"

namespace meshmill::win32 {
namespace {

using Message = testing::ScriptedPrompt::Message;

// The sample track copied into `folder`/`subfolder`; returns the scene's path.
std::string copy_sample(const testing::TempFolder& folder, const std::string& subfolder) {
  std::string copy = folder.file(subfolder);
  std::filesystem::copy(MESHMILL_EXAMPLES, std::filesystem::u8path(copy),
                        std::filesystem::copy_options::recursive);
  return join_path(copy, "sample_track.ase");
}

// The real window over a fresh program folder, with a scripted prompt.
struct Form {
  testing::TempFolder folder;
  testing::ScriptedPrompt prompt;
  std::unique_ptr<FileSystem> fs = make_native_file_system();
  MainWindow window{prompt, *fs, folder.path()};

  Form() { ShowWindow(window.handle(), SW_SHOWNOACTIVATE); }
  HWND control(const char* name) {
    HWND found = window.control(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void click(const char* name) {
    SendMessageW(control(name), BM_CLICK, 0, 0);
    run_pending_messages(window.handle());
  }
  std::string text(const char* name) { return window_text(control(name)); }
  bool ticked(const char* name) {
    return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  bool enabled(const char* name) { return IsWindowEnabled(control(name)) != FALSE; }
  bool shown(const char* name) { return IsWindowVisible(control(name)) != FALSE; }
  std::string sample(const std::string& subfolder = "tracks") {
    return copy_sample(folder, subfolder);
  }
};

// Runs `action` when the message loop of a pass gets to it (at its first yield).
class DuringPass {
 public:
  explicit DuringPass(std::function<void()> action) : action_(std::move(action)) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"Meshmill.Test.DuringPass";
    RegisterClassW(&window_class);
    window_ = CreateWindowW(window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            window_class.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    PostMessageW(window_, WM_APP, 0, 0);
  }
  ~DuringPass() { DestroyWindow(window_); }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<DuringPass*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_APP && self) self->action_();
    return DefWindowProcW(window, message, wparam, lparam);
  }
  std::function<void()> action_;
  HWND window_;
};

TEST(Win32Window, ShowsForm1AsDescribed) {
  Form form;
  std::wstring title(64, L'\0');
  title.resize(static_cast<std::size_t>(
      GetWindowTextW(form.window.handle(), title.data(), static_cast<int>(title.size()))));
  EXPECT_EQ(utf16_to_utf8(title), std::string("Meshmill ") + version);
  EXPECT_EQ(form.text("Analize_filename"), "&Indicate and analyze 3d scene file");
  EXPECT_EQ(form.text("Label4"), "Asc split files required to import in Pt2 :");
  EXPECT_EQ(form.text("Statistics_group"), "Statistics of analized 3d scene file");
  for (const char* name : {"Check_all", "Check2", "Check5"}) EXPECT_TRUE(form.ticked(name)) << name;
  for (const char* name :
       {"Check_createmat", "Check_splitasc", "Check_flip3daxis", "Check_vtextures",
        "Target_filename", "Clear_statistics", "Open_error_log"}) {
    EXPECT_FALSE(form.enabled(name)) << name;
  }
  for (const char* name : {"Label_analize", "Analize_bar", "Label_process", "Process_bar"}) {
    EXPECT_FALSE(form.shown(name)) << name;
  }
  EXPECT_TRUE(GetWindowLongPtrW(form.control("Text_loadfile"), GWL_STYLE) & ES_READONLY);
  EXPECT_FALSE(GetWindowLongPtrW(form.control("Text3"), GWL_STYLE) & ES_READONLY);
  // A statistics box follows its label, which names it for screen readers.
  EXPECT_EQ(GetWindow(form.control("Label2"), GW_HWNDNEXT), form.control("Text_valid_objects"));

  // Enter presses the button that has the focus.
  SetFocus(form.control("Start_process"));
  MSG enter{form.control("Start_process"), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(form.window.handle(), &enter));
  EXPECT_EQ(form.prompt.titles(), std::vector<std::string>{"Error"});
}

TEST(Win32Window, CheckBoxRules) {
  Form form;
  form.click("Check_all");
  for (const char* name :
       {"Check_createmat", "Check_splitasc", "Check_flip3daxis", "Check_vtextures"}) {
    EXPECT_TRUE(form.enabled(name)) << name;
  }
  form.click("Check_all");
  form.click("Check3");
  EXPECT_FALSE(form.shown("Target_filename"));
  EXPECT_FALSE(form.shown("Text_savefile"));
  form.click("Check3");
  EXPECT_TRUE(form.shown("Target_filename"));

  // After an .asc input there are no materials or texture coordinates to choose for.
  form.window.start(form.folder.write("level.asc", testing::one_triangle_asc));
  EXPECT_EQ(form.text("Text_total_objects"), "1");
  form.click("Check_all");
  EXPECT_TRUE(form.enabled("Check_splitasc"));
  EXPECT_TRUE(form.enabled("Check_flip3daxis"));
  EXPECT_FALSE(form.enabled("Check_createmat"));
  EXPECT_FALSE(form.enabled("Check_vtextures"));

  // A ticked Check3 from the options file hides the target controls at start-up.
  Form stored;
  stored.folder.write("meshmill_options.ini",
                      "[General settings]\r\nAutomatic shortening of texture filenames=0\r\n"
                      "Two sided flag applyed everywhere=1\r\nUse same name as target file=1\r\n");
  stored.window.start("");
  EXPECT_TRUE(stored.ticked("Check3"));
  EXPECT_FALSE(stored.shown("Target_filename"));
  EXPECT_FALSE(stored.shown("Text_savefile"));
}

TEST(Win32Window, AnalysesAndProcessesThroughClicks) {
  Form form;
  form.prompt.open_answers = {form.sample()};
  form.click("Analize_filename");
  EXPECT_EQ(form.prompt.messages.front(), (Message{testing::express_question, 4, "Question"}));
  EXPECT_EQ(form.text("Text_valid_objects"), "6");
  EXPECT_TRUE(form.enabled("Open_error_log"));
  std::filesystem::create_directory(std::filesystem::u8path(form.folder.file("out")));
  form.prompt.save_answers = {join_path(form.folder.file("out"), "level.asc")};
  form.click("Target_filename");
  SetWindowTextW(form.control("Text3"), L"");  // an edit the view forwards
  form.prompt.messages.clear();
  form.click("Start_process");
  EXPECT_EQ(form.prompt.messages, std::vector<Message>{testing::finished_question});
  EXPECT_TRUE(IsWindow(form.window.handle()));
  EXPECT_FALSE(form.shown("Process_bar"));

  // The same commands without a window write the same bytes.
  testing::TestSession plain;
  plain.prompt.open_answers = {copy_sample(plain.folder, "tracks")};
  click_button(plain.session, &WindowState::Analize_filename);
  std::filesystem::create_directory(std::filesystem::u8path(plain.folder.file("out")));
  plain.prompt.save_answers = {join_path(plain.folder.file("out"), "level.asc")};
  click_button(plain.session, &WindowState::Target_filename);
  click_button(plain.session, &WindowState::Start_process);
  testing::FolderSnapshot written = testing::snapshot(form.folder.file("out"));
  EXPECT_TRUE(written.count("level.asc"));
  EXPECT_EQ(written, testing::snapshot(plain.folder.file("out")));
  EXPECT_EQ(testing::snapshot(form.folder.file("tracks")),
            testing::snapshot(plain.folder.file("tracks")));
}

TEST(Win32Window, StartsWithTheCommandLineAndTakesDrops) {
  Form form;
  std::string scene = form.sample("my tracks");
  form.window.start(scene);
  EXPECT_TRUE(form.prompt.open_requests.empty());
  EXPECT_EQ(form.text("Text_loadfile"), scene);
  EXPECT_EQ(form.text("Text_total_objects"), "7");
  form.click("Open_error_log");
  EXPECT_EQ(form.prompt.opened_documents,
            std::vector<std::string>{join_path(form.folder.file("my tracks"), "error_log.txt")});

  // A scene dropped on the window: the loaded one is unloaded after the question.
  std::wstring dropped = utf8_to_utf16(form.sample("dropped"));
  std::size_t bytes = sizeof(DROPFILES) + (dropped.size() + 2) * sizeof(wchar_t);
  HGLOBAL drop = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, dropped.c_str(), dropped.size() * sizeof(wchar_t));
  GlobalUnlock(drop);
  form.prompt.answers = {answer::yes};
  form.prompt.messages.clear();
  PostMessageW(form.window.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  run_pending_messages(form.window.handle());
  run_pending_messages(form.window.handle());
  EXPECT_EQ(form.text("Text_loadfile"), utf16_to_utf8(dropped));
  EXPECT_EQ(form.prompt.messages.front().title, "Warning");  // unload the loaded scene?
  EXPECT_EQ(form.text("Text_total_objects"), "7");
  EXPECT_TRUE(form.prompt.open_requests.empty());
}

TEST(Win32Window, NoSecondCommandWhileAPassRunsAndClosingWaits) {
  Form form;
  form.window.start("");
  form.prompt.open_answers = {form.sample()};
  bool bar_shown = false;
  bool close_refused = false;
  DuringPass during([&] {
    bar_shown = form.shown("Analize_bar") && form.shown("Label_analize");
    form.click("Start_process");
    form.click("Analize_filename");
    form.click("Check4");
    SendMessageW(form.window.handle(), WM_CLOSE, 0, 0);
    close_refused = IsWindow(form.window.handle()) != FALSE;
  });
  // The pump's first frame of the pass comes at its first yield only once a
  // frame's time has passed since the start-up's frame.
  Sleep(2 * ThrottledEventPump::frame_milliseconds);
  form.click("Analize_filename");
  EXPECT_TRUE(bar_shown);
  EXPECT_TRUE(close_refused);
  EXPECT_EQ(form.prompt.open_requests.size(), 1u);
  EXPECT_EQ(form.prompt.messages.back().title, "Warning");  // objects skipped
  EXPECT_EQ(form.window.session().window.Check4.value, 0);
  EXPECT_EQ(form.window.session().window.Text_total_objects.text, "7");
  // The close asked for during the pass came once it ended, with the options saved.
  EXPECT_EQ(form.window.handle(), nullptr);
  EXPECT_TRUE(form.folder.exists("meshmill_options.ini"));
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace meshmill::win32
