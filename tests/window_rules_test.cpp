#include <gtest/gtest.h>

#include "app/window_commands.h"
#include "support/test_session.h"

namespace meshmill {
namespace {

struct Locks {
  bool createmat, splitasc, flip3daxis, vtextures;
  bool operator==(const Locks&) const = default;
};

Locks enabled_boxes(const WindowState& w) {
  return {w.Check_createmat.enabled, w.Check_splitasc.enabled, w.Check_flip3daxis.enabled,
          w.Check_vtextures.enabled};
}

TEST(WindowRules, CheckAllLocksTheFourSettingsAndKeepsTheirStates) {
  testing::TestSession t;
  WindowState& w = t.session.window;
  EXPECT_EQ(enabled_boxes(w), (Locks{false, false, false, false}));

  // Before any input all four open up.
  ASSERT_TRUE(tick_check_box(t.session, w.Check_all, false));
  EXPECT_EQ(w.Check_all.value, 0);
  EXPECT_EQ(enabled_boxes(w), (Locks{true, true, true, true}));

  tick_check_box(t.session, w.Check_splitasc, true);
  tick_check_box(t.session, w.Check_createmat, true);
  tick_check_box(t.session, w.Check_all, true);
  EXPECT_EQ(enabled_boxes(w), (Locks{false, false, false, false}));
  EXPECT_EQ(w.Check_splitasc.value, 1);
  EXPECT_EQ(w.Check_createmat.value, 1);

  // An ASC input has no materials or mapping to flip.
  t.session.scene.file_type = "asc";
  tick_check_box(t.session, w.Check_all, false);
  EXPECT_EQ(enabled_boxes(w), (Locks{false, true, true, false}));

  t.session.scene.file_type = "ase";
  tick_check_box(t.session, w.Check_all, true);
  tick_check_box(t.session, w.Check_all, false);
  EXPECT_EQ(enabled_boxes(w), (Locks{true, true, true, true}));
}

TEST(WindowRules, Check3HidesAndShowsTheTargetControls) {
  testing::TestSession t;
  WindowState& w = t.session.window;
  EXPECT_TRUE(w.Target_filename.visible);
  EXPECT_TRUE(w.Text_savefile.visible);

  tick_check_box(t.session, w.Check3, true);
  EXPECT_FALSE(w.Target_filename.visible);
  EXPECT_FALSE(w.Text_savefile.visible);

  tick_check_box(t.session, w.Check3, false);
  EXPECT_TRUE(w.Target_filename.visible);
  EXPECT_TRUE(w.Text_savefile.visible);

  // A pass that unticks Check3 (an ASC input, a declined overwrite) shows the
  // target controls again when it ends.
  tick_check_box(t.session, w.Check3, true);
  run_command(t.session, [](WindowSession& s) { s.window.Check3.value = 0; });
  EXPECT_TRUE(w.Target_filename.visible);
}

TEST(WindowRules, NoCommandStartsWhileAPassYields) {
  testing::TestSession t;
  WindowState& w = t.session.window;
  int inner_runs = 0;
  bool ticked = true, edited = true, nested = true;
  bool ran = run_command(t.session, [&](WindowSession& s) {
    // What clicks handled during a yield of the pass would do.
    yield_to_window(s, [&] {
      nested = run_command(s, [&](WindowSession&) { ++inner_runs; });
      ticked = tick_check_box(s, w.Check4, true);
      edited = edit_text(s, w.Text3, "Box01");
    });
  });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(nested);
  EXPECT_FALSE(ticked);
  EXPECT_FALSE(edited);
  EXPECT_EQ(inner_runs, 0);
  EXPECT_EQ(w.Check4.value, 0);
  EXPECT_EQ(w.Text3.text, "");
  EXPECT_FALSE(t.session.command_running);

  // A pass that marks itself busy for its whole run keeps its mark across yields.
  bool busy_after_yield = false;
  run_command(t.session, [&](WindowSession& s) {
    s.command_running = true;
    yield_to_window(s, [] {});
    busy_after_yield = s.command_running;
    s.command_running = false;
  });
  EXPECT_TRUE(busy_after_yield);

  EXPECT_TRUE(run_command(t.session, [&](WindowSession&) { ++inner_runs; }));
  EXPECT_EQ(inner_runs, 1);
  EXPECT_TRUE(edit_text(t.session, w.Text3, "Box01,Box02"));
  EXPECT_EQ(w.Text3.text, "Box01,Box02");
}

TEST(WindowRules, SceneFilesAreAseAndAscInAnyCase) {
  EXPECT_TRUE(is_scene_file("/a/track.ase"));
  EXPECT_TRUE(is_scene_file("/a/TRACK.ASC"));
  EXPECT_TRUE(is_scene_file("/a b/t.AsE"));
  EXPECT_FALSE(is_scene_file("/a/track.mat"));
  EXPECT_FALSE(is_scene_file("/a.ase/track"));
}

}  // namespace
}  // namespace meshmill
