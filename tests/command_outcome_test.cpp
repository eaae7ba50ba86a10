// What the analysis and the processing answer: the outcome the express
// hand-over and the command-line tool go on from.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/scene_commands.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

namespace stdfs = std::filesystem;

// A session over a file system with faults, and a scene folder with TIFFRGB.
struct FaultySession : TestSession {
  FaultySession() { stdfs::create_directories(folder.file("TIFFRGB")); }
  // Analyses `ase` written as scene.ase; no text: the open dialog (cancelled).
  CommandOutcome analyse(const std::string& ase) {
    return analyze(session, ase.empty() ? std::string() : folder.write("scene.ase", ase));
  }
};

TEST(CommandOutcome, TheAnalysisSaysHowItEnded) {
  std::vector<AseObject> skipped = boxes(2);
  skipped[1].numfaces = "0";
  struct Case {
    const char* name;
    std::string ase;
    std::function<void(FaultySession&)> setup;
    CommandResult expected;
    std::string failure;  // the end of the failure's text
  };
  const Case cases[] = {
      {"clean", ase_scene(boxes(2)), nullptr, CommandResult::analysed, ""},
      {"skips", ase_scene(skipped), nullptr, CommandResult::analysed_with_skips, ""},
      {"no objects", ase_header(), nullptr, CommandResult::refused, ""},
      {"dialog cancelled", "", nullptr, CommandResult::cancelled, ""},
      {"confirmation declined", "", [](FaultySession& r) { r.session.scene.file_loaded = 1; },
       CommandResult::cancelled, ""},
      {"error log", ase_scene(boxes(1)),
       [](FaultySession& r) { r.fs.fail_create = "error_log.txt"; }, CommandResult::failed,
       "error_log.txt couldn't be created: Permission denied"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FaultySession r;
    if (c.setup) c.setup(r);
    CommandOutcome outcome = r.analyse(c.ase);
    EXPECT_EQ(outcome.result, c.expected);
    EXPECT_TRUE(outcome.failure.ends_with(c.failure)) << outcome.failure;
  }

  // No short name typed for a long texture cancels the analysis.
  FaultySession texture;
  texture.session.window.Check5.value = 0;
  EXPECT_EQ(analyze(texture.session, copy_examples(texture.folder)).result,
            CommandResult::cancelled);
}

TEST(CommandOutcome, TheProcessingSaysHowItEnded) {
  AseObject bad = triangle("Bad");
  bad.faces[0].a = 7;
  // No material list: only the .asc file is written.
  const std::string ase = ase_header(0, "") + ase_object(triangle("Good")) + ase_object(bad);
  struct Case {
    const char* name;
    std::function<void(FaultySession&)> setup;
    CommandResult expected;
    std::string failure;
  };
  const Case cases[] = {
      {"processed", nullptr, CommandResult::processed, ""},
      {"no target", [](FaultySession& r) { r.session.window.Check3.value = 0; },
       CommandResult::refused, ""},
      {"overwrite declined", [](FaultySession& r) { r.folder.write("scene.asc", "previous"); },
       CommandResult::cancelled, ""},
      {"target not created", [](FaultySession& r) { r.fs.fail_create = "scene.asc"; },
       CommandResult::failed,
       "could not be written (Permission denied). The processing was stopped."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FaultySession r;
    ASSERT_EQ(r.analyse(ase).result, CommandResult::analysed);
    r.session.window.Check3.value = 1;
    if (c.setup) c.setup(r);
    CommandOutcome outcome = start_process(r.session);
    EXPECT_EQ(outcome.result, c.expected);
    EXPECT_TRUE(outcome.failure.ends_with(c.failure)) << outcome.failure;
    if (c.expected != CommandResult::processed) continue;
    const SceneState& scene = r.session.scene;
    EXPECT_EQ(scene.processed_files, std::vector<std::string>{r.folder.file("scene.asc")});
    ASSERT_EQ(scene.skipped_objects.size(), 1u);
    EXPECT_EQ(scene.skipped_objects[0].name, "Bad");
  }

  // Nothing loaded: refused. Express mode: the analysis answers the processing's outcome.
  FaultySession empty;
  EXPECT_EQ(start_process(empty.session).result, CommandResult::refused);
  FaultySession express;
  express.prompt.answers = {answer::yes};
  EXPECT_EQ(express.analyse(ase).result, CommandResult::processed);
  EXPECT_TRUE(express.folder.exists("scene.asc"));
}

}  // namespace
}  // namespace meshmill::testing
