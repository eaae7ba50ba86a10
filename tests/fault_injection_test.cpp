#include <gtest/gtest.h>

#include <filesystem>

#include "app/scene_commands.h"
#include "platform/paths.h"
#include "support/messages.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

namespace stdfs = std::filesystem;

// The sample track in a test folder, run over a file system with faults.
struct FaultyTrack {
  TestSession t;
  FaultyFileSystem& fs = t.fs;
  WindowSession& session = t.session;
  std::string scene = copy_examples(t.folder);

  void analyse() { analyze(session, scene); }
  void process() {
    session.window.Check3.value = 1;
    session.window.Check4.value = 1;  // replace earlier outputs without a question
    start_process(session);
  }
  // The run is over: only the streams the loaded scene keeps are open, the
  // window is at rest and no scratch or half-written file is left.
  void expect_closed() {
    int kept = (session.scene.logerrors ? 1 : 0) + (session.scene.special_mats ? 1 : 0);
    EXPECT_EQ(fs.open_files(), kept);
    EXPECT_FALSE(session.scene.logerrors);
    EXPECT_EQ(session.window.pointer, MousePointer::normal);
    EXPECT_FALSE(session.window.Process_bar.visible);
    EXPECT_FALSE(t.folder.exists("testfile.txt"));
    for (const auto& entry : stdfs::recursive_directory_iterator(t.folder.path())) {
      EXPECT_FALSE(entry.path().string().ends_with(".meshmill-part")) << entry.path();
    }
  }
  std::string path(const std::string& name) const { return t.folder.file(name); }
};

TEST(Faults, AnOutputThatCantBeCreatedLeavesThePreviousOne) {
  for (std::string name : {"sample_track.asc", "sample_track.mat", "testfile.txt"}) {
    SCOPED_TRACE(name);
    FaultyTrack f;
    f.t.folder.write("sample_track.asc", "previous asc");
    f.t.folder.write("sample_track.mat", "previous mat");
    f.analyse();
    ASSERT_EQ(f.session.scene.file_loaded, 1);
    f.fs.fail_create = name;
    f.t.prompt.messages.clear();
    f.process();
    EXPECT_EQ(f.t.prompt.messages,
              std::vector<Message>{stopped(f.path(name), "Permission denied")});
    EXPECT_EQ(f.t.folder.read("sample_track.mat"), "previous mat");
    // The .asc files are complete before the material file is begun.
    bool asc_written = name == "sample_track.mat";
    EXPECT_EQ(f.t.folder.read("sample_track.asc") != "previous asc", asc_written);
    f.expect_closed();
  }

  // The error log of the analysis.
  FaultyTrack f;
  f.fs.fail_create = "error_log.txt";
  f.analyse();
  EXPECT_EQ(f.t.prompt.messages.back(), (Message{"The file " + f.path("error_log.txt") +
                                                     " couldn't be created: Permission denied",
                                                 16, "Error"}));
  EXPECT_EQ(f.session.scene.file_loaded, 0);
  f.expect_closed();
}

TEST(Faults, ADiskThatFillsUpHalfWayKeepsThePreviousFile) {
  for (std::string name : {"sample_track.asc", "sample_track.mat"}) {
    SCOPED_TRACE(name);
    FaultyTrack f;
    f.t.folder.write(name, "previous");
    f.analyse();
    ASSERT_EQ(f.session.scene.file_loaded, 1);
    f.fs.fail_write = name;
    f.fs.fail_write_after = 100;
    f.t.prompt.messages.clear();
    f.process();
    EXPECT_EQ(f.t.prompt.messages,
              std::vector<Message>{stopped(f.path(name), "No space left on device")});
    EXPECT_EQ(f.t.folder.read(name), "previous");
    f.expect_closed();
  }

  // The error log fills up during the analysis: the user is told.
  FaultyTrack f;
  f.fs.fail_write = "error_log.txt";
  f.fs.fail_write_after = 10;
  f.analyse();
  EXPECT_EQ(f.t.prompt.messages.back(),
            (Message{"The file " + f.path("error_log.txt") +
                         " couldn't be written: No space left on device",
                     16, "Error"}));
  EXPECT_EQ(f.session.scene.file_loaded, 0);
  f.expect_closed();
}

TEST(Faults, ATextureThatCantBeRenamedStopsTheAnalysisAndKeepsIt) {
  FaultyTrack f;
  f.session.window.Check5.value = 0;
  f.session.window.Check1.value = 1;
  f.fs.fail_rename = true;
  std::string textures = f.path("TIFFRGB");
  std::string barrier = join_path(textures, "roadside_barrier_long.tif");
  std::string bytes = read_file(barrier);
  f.analyse();
  EXPECT_EQ(f.session.scene.file_loaded, 0);
  EXPECT_EQ(
      f.t.prompt.messages.back(),
      (Message{"The file " + barrier + " couldn't be renamed to " + textures + path_separator +
                   "roadside_ba\xC2\xAB"
                   "0.tif: Permission denied",
               16, "Error"}));
  EXPECT_EQ(read_file(barrier), bytes);
  EXPECT_EQ(read_file(join_path(textures, "roadside_barrier_long.ti")), bytes);
  f.expect_closed();
}

TEST(Faults, AnInputThatVanishesBeforeTheProcessingIsReported) {
  FaultyTrack f;
  f.t.folder.write("sample_track.asc", "previous asc");
  f.analyse();
  ASSERT_EQ(f.session.scene.file_loaded, 1);
  auto process_expecting = [&](const std::string& why) {
    f.t.prompt.messages.clear();
    f.process();
    EXPECT_EQ(f.t.prompt.messages, std::vector<Message>{stopped(f.scene, why, "read")});
    EXPECT_EQ(f.t.folder.read("sample_track.asc"), "previous asc");
    f.expect_closed();
  };

  stdfs::remove(f.scene);
  process_expecting("No such file or directory");

  // A folder put in its place is no better.
  stdfs::create_directory(f.scene);
  process_expecting("Is a directory");

  // Nor is a read that fails half way.
  stdfs::remove(f.scene);
  stdfs::copy_file(std::string(MESHMILL_EXAMPLES) + "/sample_track.ase", f.scene);
  f.fs.fail_read_after = 2000;
  f.fs.reason = "Input/output error";
  process_expecting("Input/output error");
}

}  // namespace
}  // namespace meshmill::testing
