// The split of the output into files of 255 objects.
#include <gtest/gtest.h>

#include "app/scene_commands.h"
#include "state/split_names.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

TEST(ProcessingSplit, SplitFilesAreNumberedWithoutLeadingZerosOfTheirOwn) {
  auto names = split_file_names("/out/scene.asc", 12);
  ASSERT_EQ(names.size(), 12u);
  EXPECT_EQ(names[0], "/out/scene_01.asc");
  EXPECT_EQ(names[8], "/out/scene_09.asc");
  EXPECT_EQ(names[9], "/out/scene_010.asc");
  EXPECT_EQ(names[11], "/out/scene_012.asc");
}

TEST(ProcessingSplit, EveryFileTakes255ObjectsAndAllRequiredFilesAreCreated) {
  TestSession t;
  auto meshes = triangles(600);
  AseObject broken = triangle("Broken");
  broken.faces[0].a = 9;
  meshes.insert(meshes.begin() + 100, broken);  // left out: it doesn't move the switch
  load_analysed_scene(t, ase_scene(meshes), 601);
  t.session.window.Text3.text = "";
  start_process(t.session);

  EXPECT_FALSE(t.folder.exists("out.asc"));
  std::string first = t.folder.read("out_01.asc");
  EXPECT_EQ(objects_in(first), 255u);
  EXPECT_EQ(first.find("Named object: \"Obj0\""), 0u);
  std::string second = t.folder.read("out_02.asc");
  EXPECT_EQ(objects_in(second), 255u);
  EXPECT_EQ(second.find("Named object: \"Obj255\""), 0u);
  EXPECT_EQ(objects_in(t.folder.read("out_03.asc")), 90u);
  EXPECT_EQ(t.session.scene.valid_objects, 600);
  // The split count comes from all objects: a trailing file may stay empty.
  TestSession few;
  load_analysed_scene(few, ase_scene(triangles(2)), 2);
  few.session.scene.scene_stats[3] = 12;
  start_process(few.session);
  EXPECT_TRUE(few.folder.exists("out_010.asc"));
  EXPECT_EQ(few.folder.read("out_012.asc"), "");
  EXPECT_EQ(objects_in(few.folder.read("out_01.asc")), 2u);
}

TEST(ProcessingSplit, WithoutTheSplitEveryObjectGoesIntoTheTargetAfterAWarning) {
  TestSession t;
  load_analysed_scene(t, ase_scene(triangles(300)), 300);
  t.session.window.Check_all.value = 0;
  start_process(t.session);
  EXPECT_EQ(objects_in(t.folder.read("out.asc")), 300u);
  EXPECT_FALSE(t.folder.exists("out_01.asc"));
  ASSERT_EQ(t.prompt.messages.size(), 2u);
  EXPECT_EQ(t.prompt.messages[0],
            (ScriptedPrompt::Message{
                "Without choosing to divid the final .asc, 3d scenes with more than 255 valid "
                "objects, Pt2 will only import 255 objects for a single .asc file, unless you "
                "aren't using this .asc file to import yet into Playthingt2...",
                48, "Warning"}));

  // The split box alone splits too.
  TestSession s;
  load_analysed_scene(s, ase_scene(triangles(300)), 300);
  s.session.window.Check_all.value = 0;
  s.session.window.Check_splitasc.value = 1;
  start_process(s.session);
  EXPECT_EQ(objects_in(s.folder.read("out_02.asc")), 45u);
  EXPECT_EQ(s.prompt.titles(), (std::vector<std::string>{"Finished"}));
}

}  // namespace
}  // namespace meshmill::testing
