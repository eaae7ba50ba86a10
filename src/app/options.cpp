#include "app/options.h"

#include <array>

#include "format/keywords.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "state/window_rules.h"

namespace meshmill {

namespace {

constexpr const char* section = "General settings";
constexpr const char* options_file_name = "meshmill_options.ini";
constexpr const char* missing = "Empty";
// The classic profile read fills a buffer of 20 characters, so 19 are seen.
constexpr std::size_t value_buffer = 20;

struct Option {
  const char* key;
  CheckBox WindowState::*box;
};

// In the order the keys are read and written.
constexpr std::array<Option, 7> options = {{
    {"Automatic shortening of texture filenames", &WindowState::Check1},
    {"Two sided flag applyed everywhere", &WindowState::Check2},
    {"Use same name as target file", &WindowState::Check3},
    {"Automatically overwrite .asc, .mat and .apl without warning", &WindowState::Check4},
    {"Ignore renaming of longnamed textures files", &WindowState::Check5},
    {"Apply default diffuse color in every materials", &WindowState::Check6},
    // Added later: an older file without it keeps working, the box stays unticked.
    {"Prepare textures", &WindowState::Check7},
}};

bool is_empty_word(std::string_view text) {
  return equal_ignoring_case(text, "empty");
}

// A check box is ticked or not: a hand-edited value other than 0 or 1 (which
// the program never writes) ticks the box when it is a non-zero number.
int box_state(std::string_view text) {
  return round_half_even(leading_number(text)) == 0 ? 0 : 1;
}

// A program folder is writable when a file can be made in it.
bool folder_writable(FileSystem& fs, const std::string& folder) {
  std::string probe = join_path(folder, ".meshmill-write-test");
  auto file = fs.create(probe, CreateMode::direct, nullptr);
  if (!file) return false;
  bool written = file->close();
  fs.remove_file(probe);
  return written;
}

// Creates the folder and any missing folders above it.
void make_folders(FileSystem& fs, const std::string& folder) {
  if (folder.empty() || fs.folder_exists(folder)) return;
  std::string parent = parent_folder(folder);
  if (parent != folder) make_folders(fs, parent);
  fs.create_folder(folder);
}

// Writes the first `count` keys; the result is not checked (a file that can't
// be written is silently not updated).
void save_keys(WindowSession& session, std::size_t count) {
  const std::string& path = session.ini_file_name;
  if (path.empty()) return;
  make_folders(session.fs, parent_folder(path));
  IniFile file = IniFile::load(session.fs, path);
  for (std::size_t i = 0; i < count; ++i) {
    file.write(section, options[i].key, std::to_string((session.window.*options[i].box).value));
  }
  file.save(session.fs, path);
}

}  // namespace

std::string options_file_path(FileSystem& fs, const std::string& program_folder) {
  // An installed program's folder is read-only: the options then live with the user.
  if (!folder_writable(fs, program_folder)) {
    std::string config = user_config_folder();
    if (!config.empty()) return join_path(config, options_file_name);
  }
  return join_path(program_folder, options_file_name);
}

void load_options(WindowSession& session) {
  IniFile file = IniFile::load(session.fs, session.ini_file_name);
  for (const Option& option : options) {
    std::string text = file.read(section, option.key, missing, value_buffer);
    if (is_empty_word(text)) break;  // this key and every later one keep their defaults
    CheckBox& box = session.window.*option.box;
    box.value = box_state(text);
    if (&box == &session.window.Check3) apply_check3(session.window);
  }
}

void save_options(WindowSession& session) {
  save_keys(session, options.size());
}

void save_finish_options(WindowSession& session) {
  save_keys(session, 3);
}

}  // namespace meshmill
