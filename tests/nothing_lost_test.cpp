#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/scene_commands.h"
#include "hostile_support.h"
#include "support/folder_snapshot.h"

namespace meshmill::testing {
namespace {

namespace stdfs = std::filesystem;

// What a run may change beside a scene named STEM: the side files, the
// outputs of the input's name, placeholder pixelmaps, and in TIFFRGB the
// renamed textures with their ".ti" backups. Never the scene itself.
bool allowed_change(const std::string& change, const std::string& stem) {
  std::string name = change.substr(1);
  for (const char* side : {"error_log.txt", "special_materials.txt"}) {
    if (name == side) return true;
  }
  if (name == stem + ".asc" || name == stem + ".mat" || name == "PIX16/") return true;
  if (name.starts_with(stem + "_0") && name.ends_with(".asc")) return true;
  if (name.starts_with("PIX16/") && name.ends_with(".pix") && change[0] == '+') return true;
  if (name.starts_with("TIFFRGB/") && name.find('/', 8) == std::string::npos) {
    // A texture goes away only by its rename; nothing in the folder is rewritten.
    return change[0] != '*' &&
           (name.ends_with(".tif") || (name.ends_with(".ti") && change[0] == '+'));
  }
  return false;
}

void expect_nothing_lost(const FolderSnapshot& before, const FolderSnapshot& after,
                         const std::string& stem) {
  for (const auto& change : changes(before, after)) {
    EXPECT_TRUE(allowed_change(change, stem)) << change;
  }
}

TEST(NothingLost, TheSampleTrackChangesOnlyWhatARunMayWrite) {
  TestSession t;
  copy_examples(t.folder);
  t.session.window.Check5.value = 0;  // shorten the long texture name
  t.session.window.Check1.value = 1;
  FolderSnapshot before = snapshot(t.folder.path());
  analyze(t.session, t.folder.file("sample_track.ase"));
  t.session.window.Check3.value = 1;
  start_process(t.session);
  expect_at_rest(t);
  FolderSnapshot after = snapshot(t.folder.path());

  std::vector<std::string> changed = changes(before, after);
  std::sort(changed.begin(), changed.end());
  std::vector<std::string> expected = {"+PIX16/",
                                       "+PIX16/(Extra_mat_1).pix",
                                       "+TIFFRGB/roadside_ba\xC2\xAB"
                                       "0.tif",
                                       "+TIFFRGB/roadside_barrier_long.ti",
                                       "+error_log.txt",
                                       "+sample_track.asc",
                                       "+sample_track.mat",
                                       "+special_materials.txt",
                                       "-TIFFRGB/roadside_barrier_long.tif"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(changed, expected);
  expect_nothing_lost(before, after, "sample_track");
  // The renamed texture and its backup hold the original bytes.
  const std::string& texture = before.at("TIFFRGB/roadside_barrier_long.tif");
  EXPECT_EQ(after.at("TIFFRGB/roadside_barrier_long.ti"), texture);
  EXPECT_EQ(after.at("TIFFRGB/roadside_ba\xC2\xAB"
                     "0.tif"),
            texture);

  // A second run over the same folder changes only the outputs it rewrites.
  FolderSnapshot again = snapshot(t.folder.path());
  t.session.window.Check4.value = 1;
  analyze(t.session, t.folder.file("sample_track.ase"));
  start_process(t.session);
  expect_nothing_lost(again, snapshot(t.folder.path()), "sample_track");
  EXPECT_EQ(read_file(t.folder.file("sample_track.ase")), before.at("sample_track.ase"));
}

// The hostile scenes of the other tests and every input the fuzzers ever
// crashed on: whatever happens, only what a run may write changes.
TEST(NothingLost, HostileScenesChangeOnlyWhatARunMayWrite) {
  std::vector<std::pair<std::string, std::string>> scenes;  // file name, bytes
  std::string scene = ase_scene(boxes(2));
  for (std::size_t cut = 0; cut < scene.size(); cut += 97) {
    scenes.push_back({"cut.ase", scene.substr(0, cut)});
  }
  AseObject absurd;
  absurd.numvertex = "1000000000000";
  absurd.numtvertex = "-1";
  scenes.push_back({"absurd.ase", ase_scene({absurd, AseObject{}})});
  for (const char* kind : {"ase", "asc"}) {
    std::string folder = std::string(MESHMILL_TEST_DATA) + "/hostile/" + kind;
    if (!stdfs::is_directory(folder)) continue;
    for (const auto& entry : stdfs::directory_iterator(folder)) {
      scenes.push_back({"regression." + std::string(kind), read_file(entry.path().string())});
    }
  }
  for (const auto& [name, bytes] : scenes) {
    SCOPED_TRACE(name + " of " + std::to_string(bytes.size()) + " bytes");
    TestSession t;
    stdfs::create_directories(t.folder.file("TIFFRGB"));
    t.folder.write(name, bytes);
    t.folder.write(name.substr(0, name.size() - 4) + ".mat", "an earlier material file");
    t.session.window.Check5.value = 0;
    t.session.window.Check1.value = 1;
    FolderSnapshot before = snapshot(t.folder.path());
    analyze(t.session, t.folder.file(name));
    if (t.session.scene.file_loaded == 1) {
      t.session.window.Check3.value = name.ends_with(".ase");
      t.session.window.Text_savefile.text = t.session.scene.fich_dest = t.folder.file("out.asc");
      t.session.scene.pix16_dest = t.folder.file("PIX16");
      start_process(t.session);
    }
    expect_at_rest(t);
    FolderSnapshot after = snapshot(t.folder.path());
    // An .asc input is written to the chosen out.asc; an ASE scene beside itself.
    expect_nothing_lost(before, after,
                        name.ends_with(".ase") ? name.substr(0, name.size() - 4) : "out");
    for (const auto& change : changes(before, after)) {
      EXPECT_FALSE(change == "*regression.asc" || change == "-regression.asc") << change;
    }
  }
}

}  // namespace
}  // namespace meshmill::testing
