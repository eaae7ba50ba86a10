// Runs the real meshmill.exe the way a user does, with its real message boxes:
// the sample scene named on the command line, No to processing right away, OK
// to the warning about skipped objects, then "Use the source filename as
// target name" ticked and "&Start Process" pressed, and Yes to closing. Checks
// the statistics on the window and the files written.
//
//   meshmill_exe_run [--pause SECONDS] MESHMILL_EXE EXAMPLES_FOLDER [WORK_FOLDER]
//
// The program and a copy of the sample go into WORK_FOLDER (kept, so a script
// can compare what was written), else into a temporary folder removed after.
// --pause leaves the analysed scene on the window that long (for a screenshot).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/process.h"
#include "platform/wide_text.h"

namespace {

namespace fs = std::filesystem;
using meshmill::utf16_to_utf8;
using meshmill::utf8_to_utf16;

constexpr auto patience = std::chrono::seconds(60);

struct Expected {
  const char* title;
  const char* text_start;
  int button;
};

const Expected analysis_dialogs[] = {
    {"Question", "Do you want the 3dscene to be processed and converted", IDNO},
    {"Warning", "Analyzing of 3d scene file finished, but certain objects", IDOK},
};
const Expected processing_dialogs[] = {
    {"Finished", "Finished exporting of the imported 3d scene file !", IDYES},
};

int failures = 0;
int pause_seconds = 0;

void fail(const std::string& what) {
  std::fprintf(stderr, "FAILED: %s\n", what.c_str());
  ++failures;
}

std::string text_of(HWND window) {
  wchar_t text[4096] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, &ignored);
  return utf16_to_utf8(text);
}

std::wstring class_of(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// The visible top-level windows of the process of that class.
std::vector<HWND> windows_of(DWORD process, const std::wstring& window_class) {
  struct Search {
    DWORD process;
    const std::wstring& window_class;
    std::vector<HWND> found;
  } search{process, window_class, {}};
  EnumWindows(
      [](HWND window, LPARAM lparam) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(lparam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s.process && IsWindowVisible(window) && class_of(window) == s.window_class) {
          s.found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A message box's text: its longest static text (the other one holds the icon).
std::string message_text(HWND box) {
  std::string longest;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (class_of(child) != L"Static") continue;
    std::string text = text_of(child);
    if (text.size() > longest.size()) longest = text;
  }
  return longest;
}

template <class Test>
bool wait_for(Test test) {
  auto deadline = std::chrono::steady_clock::now() + patience;
  while (!test()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

void answer_dialogs(DWORD process, const Expected* begin, const Expected* end) {
  for (const Expected* expected = begin; expected != end; ++expected) {
    HWND box = nullptr;
    if (!wait_for([&] {
          auto boxes = windows_of(process, L"#32770");
          box = boxes.empty() ? nullptr : boxes.front();
          return box != nullptr;
        })) {
      return fail(std::string("no message box \"") + expected->title + "\" came");
    }
    std::string title = text_of(box);
    std::string text = message_text(box);
    std::printf("message box \"%s\": %s\n", title.c_str(), text.c_str());
    if (title != expected->title || text.rfind(expected->text_start, 0) != 0) {
      fail(std::string("expected \"") + expected->title + "\": " + expected->text_start);
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(expected->button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, expected->button)));
    wait_for([&] { return !IsWindow(box); });
  }
}

// A statistics box: created right after its label.
std::string statistic(HWND form, const wchar_t* label) {
  HWND caption = FindWindowExW(form, nullptr, L"Static", label);
  return caption ? text_of(GetWindow(caption, GW_HWNDNEXT)) : std::string("(no label)");
}

void copy_sample(const fs::path& examples, const fs::path& scene_folder) {
  fs::create_directories(scene_folder);
  fs::copy(examples / "sample_track.ase", scene_folder / "sample_track.ase");
  fs::copy(examples / "TIFFRGB", scene_folder / "TIFFRGB", fs::copy_options::recursive);
}

void run(const fs::path& exe, const fs::path& examples, const fs::path& work) {
  fs::path program = work / "program" / "meshmill.exe";
  fs::path scene = work / "scene" / "sample_track.ase";
  fs::create_directories(program.parent_path());
  fs::copy_file(exe, program, fs::copy_options::overwrite_existing);
  copy_sample(examples, scene.parent_path());

  std::wstring command = L"\"" + program.wstring() + L"\" \"" + scene.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return fail("meshmill.exe did not start");
  }
  DWORD process = started.dwProcessId;
  answer_dialogs(process, std::begin(analysis_dialogs), std::end(analysis_dialogs));

  HWND form = nullptr;
  wait_for([&] {
    auto forms = windows_of(process, L"Meshmill.Form1");
    form = forms.empty() ? nullptr : forms.front();
    return form && statistic(form, L"Total objects found :") == "7";
  });
  if (!form) return fail("no window");
  const std::pair<const wchar_t*, const char*> statistics[] = {
      {L"Total objects found :", "7"},  {L"Valid objects found :", "6"},
      {L"Total faces in 3d scene :", "52"}, {L"Total vertices in 3d scene :", "40"},
      {L"Asc split files required to import in Pt2 :", "1"}};
  for (const auto& [label, value] : statistics) {
    std::string shown = statistic(form, label);
    std::printf("%s %s\n", utf16_to_utf8(label).c_str(), shown.c_str());
    if (shown != value) fail(utf16_to_utf8(label) + " shows " + shown + ", not " + value);
  }

  if (pause_seconds > 0) {
    std::printf("pausing\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(pause_seconds));
  }

  HWND same_name = FindWindowExW(form, nullptr, L"Button",
                                 L"Use the source filename as target name (.ASE files only)");
  if (SendMessageW(same_name, BM_GETCHECK, 0, 0) != BST_CHECKED) {
    SendMessageW(same_name, BM_CLICK, 0, 0);
  }
  if (SendMessageW(same_name, BM_GETCHECK, 0, 0) != BST_CHECKED) fail("Check3 is not ticked");
  // Posted: the command runs on and shows its own message boxes.
  HWND start = FindWindowExW(form, nullptr, L"Button", L"&Start Process");
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(start), BN_CLICKED),
               reinterpret_cast<LPARAM>(start));
  answer_dialogs(process, std::begin(processing_dialogs), std::end(processing_dialogs));

  if (WaitForSingleObject(started.hProcess, 60000) != WAIT_OBJECT_0) {
    TerminateProcess(started.hProcess, 1);
    fail("meshmill.exe did not end after \"Finished\"");
  }
  DWORD exit_code = 1;
  GetExitCodeProcess(started.hProcess, &exit_code);
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
  if (exit_code != 0) fail("meshmill.exe ended with " + std::to_string(exit_code));

  for (const char* written : {"sample_track.asc", "sample_track.mat", "error_log.txt"}) {
    if (!fs::exists(scene.parent_path() / written)) fail(std::string(written) + " is missing");
  }
  if (!fs::exists(work / "program" / "meshmill_options.ini")) fail("no options file");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args = meshmill::command_line_arguments(argc, argv);
  if (args.size() > 2 && args[1] == "--pause") {
    pause_seconds = std::atoi(args[2].c_str());
    args.erase(args.begin() + 1, args.begin() + 3);
  }
  if (args.size() < 3 || args.size() > 4) {
    std::fprintf(stderr,
                 "usage: meshmill_exe_run [--pause SECONDS] MESHMILL_EXE EXAMPLES_FOLDER "
                 "[WORK_FOLDER]\n");
    return 2;
  }
  auto path = [](const std::string& utf8) { return fs::path(utf8_to_utf16(utf8)); };
  bool keep = args.size() == 4;
  fs::path work = keep ? path(args[3])
                       : fs::temp_directory_path() / ("meshmill-exe-run-" +
                                                      std::to_string(GetCurrentProcessId()));
  fs::remove_all(work);
  run(path(args[1]), path(args[2]), work);
  if (!keep) fs::remove_all(work);
  if (failures > 0) return 1;
  std::printf("meshmill.exe analysed and converted the sample scene.\n");
  return 0;
}
