#include "app/window_controller.h"

#include <gtest/gtest.h>

#include "app/window_prompt_service.h"
#include "support/test_session.h"

namespace meshmill {
namespace {

// Counts what the controller asks of its window; `during_events` runs as the
// window's pending events.
struct FakeView : WindowView {
  int renders = 0;
  int closes = 0;
  std::function<void()> during_events;
  void show_state(const WindowState&) override { ++renders; }
  void run_pending_events() override {
    if (during_events) during_events();
  }
  void close_view() override { ++closes; }
};

TEST(WindowController, ThrottlesFramesAndRefusesCommandsInsideThem) {
  std::int64_t now = 1000;
  int frames = 0;
  ThrottledEventPump pump([&] { ++frames; }, [&] { return now; });
  for (std::int64_t at : {1000, 1010, 1032, 1033, 1060, 1066}) {
    now = at;
    pump.yield();
  }
  EXPECT_EQ(frames, 3);  // at 1000, 1033 and 1066

  testing::TestSession t;
  FakeView view;
  WindowController controller(view, t.prompt, t.fs, t.folder.path());
  bool busy_inside = false;
  view.during_events = [&] {
    busy_inside = controller.session().command_running;
    controller.click(&WindowState::Start_process);  // refused: no "import first" message
    controller.tick(&WindowState::Check4, true);    // refused and drawn back
  };
  controller.run([](WindowSession& session) { session.events.yield(); });
  EXPECT_TRUE(busy_inside);
  EXPECT_TRUE(t.prompt.messages.empty());
  EXPECT_EQ(controller.session().window.Check4.value, 0);
  EXPECT_EQ(view.renders, 4);  // the frame, the refused click and tick, after the command
  EXPECT_EQ(view.closes, 0);
}

TEST(WindowController, ClosesWhenAPassEndsTheProgramOrTheUserClosedDuringIt) {
  testing::TestSession t;
  FakeView view;
  WindowController controller(view, t.prompt, t.fs, t.folder.path());
  controller.run([](WindowSession& session) { session.quit_requested = true; });
  EXPECT_EQ(view.closes, 1);

  WindowController second(view, t.prompt, t.fs, t.folder.path());
  bool refused = false;
  view.during_events = [&] { refused = !second.request_close(); };
  second.run([](WindowSession& session) { session.events.yield(); });
  EXPECT_TRUE(refused);
  EXPECT_EQ(view.closes, 2);

  EXPECT_TRUE(second.accepts_drop("C:\\tracks\\level.ASE"));
  EXPECT_FALSE(second.accepts_drop("/tracks/level.mat"));
}

TEST(WindowPromptService, RefreshesBeforeEveryBoxAndNormalisesTheAnswers) {
  WindowPromptService prompt;
  EXPECT_EQ(prompt.input_box("Name", "Title", "x"), "");  // no window yet: nothing shown

  // Boxes that show nothing, answer as scripted and note the order of refreshes and boxes.
  std::string log;
  bool yes = true;
  std::optional<std::string> typed;
  NativeBoxes boxes;
  boxes.message_box = [&](const std::string&, int, const std::string&) {
    log += "m";
    return yes;
  };
  boxes.input_box = [&](const std::string&, const std::string&, const std::string&) {
    log += "i";
    return typed;
  };
  boxes.file_dialog = [&](const FileDialog&, bool save) {
    log += save ? "s" : "o";
    return std::optional<std::string>();
  };
  prompt.attach(boxes, [&] { log += "r"; });

  EXPECT_EQ(prompt.message_box("Done", style::information_icon, "Finished"), answer::ok);
  EXPECT_EQ(prompt.message_box("Close?", style::yes_no, "Finished"), answer::yes);
  yes = false;
  EXPECT_EQ(prompt.message_box("Close?", style::yes_no | style::question_icon, "?"), answer::no);
  EXPECT_EQ(prompt.input_box("Name", "Title", "x"), "");
  typed = "Box01";
  EXPECT_EQ(prompt.input_box("Name", "Title", "x"), "Box01");
  EXPECT_EQ(prompt.open_file({}), std::nullopt);
  EXPECT_EQ(prompt.save_file({}), std::nullopt);
  EXPECT_EQ(log, "rmrmrmririrors");

  EXPECT_EQ(default_extension("3D studio ASCII Mesh file (*.asc)|*.asc"), "asc");
  EXPECT_EQ(default_extension("Scenes|*.ase;*.asc|All|*.*"), "ase");
  for (const char* none : {"", "Scenes", "All|*.*", "Any|*", "Some|*.a?c", "Odd|level.asc"}) {
    EXPECT_EQ(default_extension(none), "") << none;
  }
}

}  // namespace
}  // namespace meshmill
