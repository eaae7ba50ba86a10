#include "fuzz_scene.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/scene_commands.h"
#include "platform/paths.h"

namespace meshmill::fuzzing {

namespace stdfs = std::filesystem;

namespace {

[[noreturn]] void lost(const std::string& what) {
  std::fprintf(stderr, "nothing-lost check failed: %s\n", what.c_str());
  std::abort();
}

// The names a run may leave beside a scene named `stem`.ext: the side files,
// the scratch file, the outputs of the input's name (split or not) and the
// folders of textures and placeholders.
bool allowed_entry(const std::string& entry, const std::string& stem) {
  static const char* const fixed[] = {"error_log.txt", "special_materials.txt", "testfile.txt",
                                      "TIFFRGB", "PIX16"};
  for (const char* name : fixed) {
    if (entry == name) return true;
  }
  for (const std::string& base : {stem, std::string("target")}) {
    if (entry == base + ".ase" || entry == base + ".asc" || entry == base + ".mat") return true;
    if (entry.starts_with(base + "_0") && entry.ends_with(".asc")) return true;
  }
  return false;
}

}  // namespace

FuzzScene::FuzzScene(const std::uint8_t* data, std::size_t size, const std::string& name)
    : folder_(test_.folder.file("scene")), bytes_(reinterpret_cast<const char*>(data), size) {
  stdfs::create_directories(join_path(folder_, "TIFFRGB"));
  path_ = join_path(folder_, name);
  std::ofstream(path_, std::ios::binary) << bytes_;
}

FuzzScene::~FuzzScene() {
  // The window closes the side files when it ends.
  for (auto* stream : {&session().scene.logerrors, &session().scene.special_mats}) {
    if (*stream) (*stream)->close();
  }
  check_nothing_lost();
}

std::string FuzzScene::file(const std::string& name) const {
  return join_path(folder_, name);
}

void FuzzScene::analyse_and_process(const std::string& target) {
  WindowSession& s = session();
  if (!analyze_scene(s, path_).analysed()) return;
  if (target.empty()) {
    s.window.Check3.value = 1;
  } else {
    s.scene.fich_dest = file(target);
    s.window.Text_savefile.text = s.scene.fich_dest;
    s.scene.pix16_dest = file("PIX16");
  }
  start_process(s);
}

void FuzzScene::check_nothing_lost() const {
  if (testing::read_file(path_) != bytes_) lost("the input changed");
  std::error_code error;
  for (const auto& entry : stdfs::directory_iterator(test_.folder.path(), error)) {
    if (entry.path().filename() != "scene")
      lost("written above the scene: " + entry.path().string());
  }
  std::string stem = base_name(path_);
  for (const auto& entry : stdfs::directory_iterator(folder_, error)) {
    std::string name = entry.path().filename().string();
    if (!allowed_entry(name, stem)) lost("unexpected file beside the scene: " + name);
  }
}

}  // namespace meshmill::fuzzing
