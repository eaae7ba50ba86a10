#include "app/options.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "support/scoped_environment.h"
#include "support/test_session.h"

namespace meshmill {
namespace {

using testing::ScopedEnvironment;
using testing::TempFolder;
using testing::TestSession;

constexpr const char* all_six_keys =
    "[General settings]\r\n"
    "Automatic shortening of texture filenames=1\r\n"
    "Two sided flag applyed everywhere=0\r\n"
    "Use same name as target file=1\r\n"
    "Automatically overwrite .asc, .mat and .apl without warning=1\r\n"
    "Ignore renaming of longnamed textures files=0\r\n"
    "Apply default diffuse color in every materials=1\r\n";

// The six stored boxes, Check1 to Check6.
std::vector<int> boxes(const WindowState& window) {
  return {window.Check1.value, window.Check2.value, window.Check3.value,
          window.Check4.value, window.Check5.value, window.Check6.value};
}

const std::vector<int> defaults = {0, 1, 0, 0, 1, 0};

struct OptionsTest : ::testing::Test {
  TestSession t;
  WindowSession& session = t.session;
  void SetUp() override { session.ini_file_name = t.folder.file("meshmill_options.ini"); }
  void load(const std::string& contents) {
    t.folder.write("meshmill_options.ini", contents);
    load_options(session);
  }
};

TEST_F(OptionsTest, FirstRunShowsDefaultsAndClosingCreatesEveryKey) {
  load_options(session);
  EXPECT_EQ(boxes(session.window), defaults);
  EXPECT_TRUE(session.window.Target_filename.visible);

  session.window.Check4.value = 1;
  save_options(session);
  EXPECT_EQ(t.folder.read("meshmill_options.ini"),
            "[General settings]\r\n"
            "Automatic shortening of texture filenames=0\r\n"
            "Two sided flag applyed everywhere=1\r\n"
            "Use same name as target file=0\r\n"
            "Automatically overwrite .asc, .mat and .apl without warning=1\r\n"
            "Ignore renaming of longnamed textures files=1\r\n"
            "Apply default diffuse color in every materials=0\r\n"
            "Prepare textures=0\r\n");
}

TEST_F(OptionsTest, LoadsAllSixKeysAndHidesTheTargetForCheck3) {
  load(all_six_keys);
  EXPECT_EQ(boxes(session.window), (std::vector<int>{1, 0, 1, 1, 0, 1}));
  // A file from before the texture option leaves it off.
  EXPECT_EQ(session.window.Check7.value, 0);
  load(std::string(all_six_keys) + "Prepare textures=1\r\n");
  EXPECT_EQ(session.window.Check7.value, 1);
  EXPECT_FALSE(session.window.Target_filename.visible);
  EXPECT_FALSE(session.window.Text_savefile.visible);
}

TEST_F(OptionsTest, LoadingStopsAtTheFirstKeyThatReadsEmpty) {
  load(
      "[General settings]\r\n"
      "Automatic shortening of texture filenames=EMPTY\r\n"
      "Two sided flag applyed everywhere=0\r\n"
      "Use same name as target file=1\r\n");
  EXPECT_EQ(boxes(session.window), defaults);
  EXPECT_TRUE(session.window.Target_filename.visible);

  // Only keys 1 and 2: a missing key 3 stops the loading even though 4 to 6 are there.
  TestSession other;
  other.session.ini_file_name =
      other.folder.write("meshmill_options.ini",
                         "[General settings]\r\n"
                         "Automatic shortening of texture filenames=1\r\n"
                         "Two sided flag applyed everywhere=0\r\n"
                         "Automatically overwrite .asc, .mat and .apl without warning=1\r\n"
                         "Ignore renaming of longnamed textures files=0\r\n"
                         "Apply default diffuse color in every materials=1\r\n");
  load_options(other.session);
  EXPECT_EQ(boxes(other.session.window), (std::vector<int>{1, 0, 0, 0, 1, 0}));
}

TEST_F(OptionsTest, ValuesFollowTheLeadingNumberRule) {
  load(
      "[General settings]\r\n"
      "Automatic shortening of texture filenames=1abc\r\n"
      "Two sided flag applyed everywhere=abc\r\n"
      "Use same name as target file=   1\r\n"
      "Automatically overwrite .asc, .mat and .apl without warning=7\r\n"  // hand-edited: ticks
      "Ignore renaming of longnamed textures files=0.4\r\n"
      "Apply default diffuse color in every materials=eMpTy\r\n");
  EXPECT_EQ(boxes(session.window), (std::vector<int>{1, 0, 1, 1, 0, 0}));
}

TEST_F(OptionsTest, OnlyNineteenCharactersOfAValueAreSeen) {
  // A 1 in the nineteenth place is seen; one in the twentieth is not.
  load(
      "[General settings]\r\n"
      "Automatic shortening of texture filenames=0000000000000000001\r\n"
      "Two sided flag applyed everywhere=00000000000000000001\r\n");
  EXPECT_EQ(boxes(session.window), (std::vector<int>{1, 0, 0, 0, 1, 0}));
}

TEST_F(OptionsTest, FinishSavesThreeKeysAndKeepsTheOthers) {
  const std::string foreign = "; my settings\r\n[Window]\r\nx=5\r\n";
  t.folder.write("meshmill_options.ini",
                 foreign +
                     "[General settings]\r\n"
                     "Automatic shortening of texture filenames=0\r\n"
                     "Two sided flag applyed everywhere=1\r\n"
                     "Use same name as target file=0\r\n"
                     "Automatically overwrite .asc, .mat and .apl without warning=1\r\n"
                     "Ignore renaming of longnamed textures files=0\r\n"
                     "Apply default diffuse color in every materials=1\r\n");
  session.window.Check1.value = 1;
  session.window.Check2.value = 0;
  session.window.Check3.value = 1;
  // Keys 4 to 6 keep what the file holds, whatever the boxes show.
  session.window.Check4.value = 0;
  session.window.Check5.value = 1;
  session.window.Check6.value = 0;
  save_finish_options(session);
  EXPECT_EQ(t.folder.read("meshmill_options.ini"), foreign + all_six_keys);
}

TEST(OptionsFile, LivesBesideTheProgramOrInTheUsersConfigFolder) {
  TempFolder program, home;
  auto fs = make_native_file_system();
  // The user's settings folder, as the system names it.
#ifdef _WIN32
  ScopedEnvironment appdata("APPDATA", home.path());
  const std::string config = join_path(home.path(), "Meshmill");
#else
  ScopedEnvironment xdg("XDG_CONFIG_HOME", join_path(home.path(), "config"));
  const std::string config = join_path(join_path(home.path(), "config"), "meshmill");
#endif

  // A writable program folder keeps the file, and the write test leaves nothing behind.
  EXPECT_EQ(options_file_path(*fs, program.path()), program.file("meshmill_options.ini"));
  EXPECT_TRUE(std::filesystem::is_empty(program.path()));

  // An installed program: the options go to the user's folder, created when saved.
  testing::TestSession t;
  testing::FaultyFileSystem& installed = t.fs;
  installed.fail_create_in = program.path();
  WindowSession& session = t.session;
  session.ini_file_name = options_file_path(installed, program.path());
  EXPECT_EQ(session.ini_file_name, join_path(config, "meshmill_options.ini"));
  session.window.Check6.value = 1;
  save_options(session);
  ASSERT_TRUE(fs->file_exists(session.ini_file_name));
  session.window.Check6.value = 0;
  load_options(session);
  EXPECT_EQ(session.window.Check6.value, 1);

#ifndef _WIN32
  // Without XDG_CONFIG_HOME the folder is ~/.config/meshmill.
  ScopedEnvironment no_xdg("XDG_CONFIG_HOME", "");
  ScopedEnvironment user_home("HOME", home.path());
  EXPECT_EQ(
      options_file_path(installed, program.path()),
      join_path(join_path(join_path(home.path(), ".config"), "meshmill"), "meshmill_options.ini"));
#endif
}

}  // namespace
}  // namespace meshmill
