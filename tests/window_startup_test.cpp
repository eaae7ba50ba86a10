#include <gtest/gtest.h>

#include "app/options.h"
#include "app/start_up.h"
#include "app/window_commands.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "support/test_session.h"

namespace meshmill {
namespace {

TEST(StartUp, LoadsTheOptionsThenAnalysesTheCommandLine) {
  testing::TestSession t;
  t.folder.write("meshmill_options.ini",
                 "[General settings]\r\n"
                 "Automatic shortening of texture filenames=1\r\n"
                 "Two sided flag applyed everywhere=1\r\n"
                 "Use same name as target file=1\r\n");
  t.session.scene.scene_stats[4] = 12;
  t.session.window.Text_savefile.text = "left over";
  start_up(t.session, "");
  EXPECT_EQ(t.session.ini_file_name, t.folder.file("meshmill_options.ini"));
  EXPECT_EQ(t.session.scene.scene_stats[4], 0);
  EXPECT_EQ(t.session.window.Text_savefile.text, "");
  EXPECT_EQ(t.session.window.Check1.value, 1);
  EXPECT_EQ(t.session.window.Check3.value, 1);
  EXPECT_FALSE(t.session.window.Target_filename.visible);
  EXPECT_FALSE(t.session.window.Text_savefile.visible);
  EXPECT_EQ(t.pump.yields, 1);
  EXPECT_TRUE(t.prompt.messages.empty());
  EXPECT_TRUE(t.prompt.open_requests.empty());

  // A path on the command line is analysed without the open dialog.
  testing::TestSession started;
  std::string missing = started.folder.file("my track.ase");
  start_up(started.session, missing);
  using Message = testing::ScriptedPrompt::Message;
  EXPECT_EQ(started.prompt.messages,
            (std::vector<Message>{{"This file (" + missing + "doesn't exist!", 16, "Error"}}));
  EXPECT_TRUE(started.prompt.open_requests.empty());
}

TEST(Closing, SavesTheOptionsUnlessTheProcessingEndedTheProgram) {
  testing::TestSession t;
  start_up(t.session, "");
  t.session.quit_requested = true;
  close_window(t.session);
  EXPECT_FALSE(t.folder.exists("meshmill_options.ini"));

  t.session.quit_requested = false;
  t.session.window.Check6.value = 1;
  close_window(t.session);
  std::string saved = t.folder.read("meshmill_options.ini");
  EXPECT_NE(saved.find("Apply default diffuse color in every materials=1"), std::string::npos);
  EXPECT_NE(saved.find("Automatic shortening of texture filenames=0"), std::string::npos);
}

TEST(Closing, WaitsForARunningPass) {
  testing::TestSession t;
  start_up(t.session, "");
  bool closed_during_pass = true;
  run_command(t.session, [&](WindowSession& s) {
    s.command_running = true;
    closed_during_pass = request_close(s);
    EXPECT_FALSE(close_due(s));
    s.command_running = false;
  });
  EXPECT_FALSE(closed_during_pass);
  EXPECT_FALSE(t.folder.exists("meshmill_options.ini"));
  EXPECT_TRUE(close_due(t.session));
  EXPECT_TRUE(request_close(t.session));
  EXPECT_TRUE(t.folder.exists("meshmill_options.ini"));
}

TEST(StartUp, TheCommandLineLosesTheProgramsName) {
  const std::pair<const char*, const char*> lines[] = {
      {"meshmill.exe C:\\My Tracks\\a.ase", "C:\\My Tracks\\a.ase"},
      {"\"C:\\Program Files\\meshmill.exe\"  \"D:\\a b.ase\" ", "\"D:\\a b.ase\""},
      {"\"C:\\meshmill.exe\"\"D:\\a.ase\"", "\"D:\\a.ase\""},
      {"meshmill.exe\tD:\\a.ase", "D:\\a.ase"},
      {"\"C:\\meshmill.exe\"", ""},
      {"meshmill.exe   ", ""},
      {"", ""},
  };
  for (const auto& [line, rest] : lines) EXPECT_EQ(command_line_after_program(line), rest) << line;
}

}  // namespace
}  // namespace meshmill
