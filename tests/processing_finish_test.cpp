// Preconditions, the target, the end of a run and failing files.
#include <gtest/gtest.h>

#include "app/scene_commands.h"
#include "platform/paths.h"
#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

const std::vector<MaterialSpec> one_material = {{false, {{"A , a", "", ""}}}};

TEST(ProcessingFinish, RefusesWithoutSceneOrTarget) {
  TestSession t;
  start_process(t.session);
  EXPECT_EQ(t.prompt.messages,
            (Messages{{"You HAVE to first import a 3d scene to process!", 16, "Error"}}));

  TestSession u;
  load_analysed_scene(u, ase_scene({triangle("T")}), 1);
  u.session.window.Text_savefile.text.clear();
  start_process(u.session);
  EXPECT_EQ(u.prompt.messages,
            (Messages{{"You HAVE to choose a target filename before processing this 3d scene !", 16,
                       "Error"}}));
  EXPECT_FALSE(u.folder.exists("testfile.txt"));
  EXPECT_FALSE(u.folder.exists("out.asc"));
}

TEST(ProcessingFinish, TheTargetFromTheInputNameAsksBeforeOverwriting) {
  TestSession t;
  load_analysed_scene(t, ase_scene({triangle("T")}), 1);
  t.fs.remove_folder(t.folder.file("PIX16"));
  t.session.window.Text_savefile.text.clear();
  t.session.window.Check3.value = 1;
  t.session.window.Target_filename.visible = false;
  t.folder.write("scene.asc", "previous");
  start_process(t.session);
  EXPECT_EQ(
      t.prompt.messages,
      (Messages{{"There is already a .asc file with the same name of the final project "
                 "indicated. Do you want to overwrite it?",
                 4, "Warning"},
                {"Then you must choose another target filename or path (the 3d scene is still "
                 "ready to process, just choose another name)",
                 64, "Warning"}}));
  EXPECT_EQ(t.session.window.Check3.value, 0);
  EXPECT_TRUE(t.session.window.Target_filename.visible);
  EXPECT_EQ(t.folder.read("scene.asc"), "previous");
  EXPECT_EQ(t.session.scene.fich_dest, t.folder.file("scene.asc"));
  EXPECT_TRUE(t.folder.exists("PIX16"));  // created, and left there

  t.prompt.messages.clear();
  t.session.window.Check3.value = 1;
  t.prompt.answers = {answer::yes, answer::no};
  start_process(t.session);
  EXPECT_EQ(t.folder.read("scene.asc").substr(0, 21), "Named object: \"T\"\r\nTr");
  EXPECT_EQ(t.prompt.titles(), (std::vector<std::string>{"Warning", "Finished"}));
  EXPECT_FALSE(t.folder.exists("PIX16"));  // empty: removed by the finish
}

TEST(ProcessingFinish, ExpressModeEndsTheProgramUnlessAWarningWasShown) {
  TestSession t;
  load_analysed_scene(t, ase_scene({triangle("T", 0)}), 1);
  set_materials(t.session.scene, one_material);
  t.session.window.Text_savefile.text.clear();
  start_process(t.session, true);
  EXPECT_TRUE(t.folder.exists("scene.asc"));
  EXPECT_TRUE(t.folder.exists("scene.mat"));
  EXPECT_EQ(t.prompt.messages, (Messages{finished_express}));
  EXPECT_TRUE(t.session.quit_requested);

  // No material file asked for: both warnings, and the program asks instead of closing.
  TestSession w;
  load_analysed_scene(w, ase_scene({triangle("T", 0)}), 1);
  set_materials(w.session.scene, one_material);
  w.session.window.Check_all.value = 0;
  w.folder.write("scene.mat", "stale");
  w.prompt.answers = {answer::ok, answer::yes, answer::no};
  start_process(w.session, true);
  ASSERT_EQ(w.prompt.messages.size(), 3u);
  EXPECT_EQ(
      w.prompt.messages[0],
      (Message{"You choosed to NOT create a .mat file for this 3dscene, but this 3d scene DOES "
               "use materials and you didn't choosed to remote materials mapping information. "
               "This means if you try to load this .asc into Pt2 it will ask for the .mat file.",
               64, "Warning"}));
  EXPECT_EQ(
      w.prompt.messages[1],
      (Message{"You choosed to NOT create a .mat file for this 3dscene, but this 3d scene DOES "
               "use materials and you didn't choosed to remote materials mapping information. "
               "Altough there is a .mat file with the same filename of the target scene file, "
               "make sure you know what are you doing, and that .mat file corresponds to this 3d "
               "scene. Anyways, you want the program to delete it to avoid confusion ?",
               68, "Warning"}));
  EXPECT_EQ(w.prompt.messages[2].style, 4);
  EXPECT_FALSE(w.folder.exists("scene.mat"));
  EXPECT_FALSE(w.session.quit_requested);
}

TEST(ProcessingFinish, SideFilesAreTidied) {
  TestSession t;
  load_analysed_scene(t, ase_scene({triangle("T")}), 1);
  t.folder.write("error_log.txt", "Error in line 3 (object 'X') : ...\r\n");
  t.prompt.answers = {answer::yes};
  start_process(t.session);
  EXPECT_TRUE(t.folder.exists("error_log.txt"));
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  EXPECT_FALSE(t.folder.exists("PIX16"));
  EXPECT_FALSE(t.session.scene.logerrors);
  EXPECT_FALSE(t.session.window.Open_error_log.enabled);
  EXPECT_TRUE(t.session.quit_requested);  // Yes to "close the program?"
  // No material list: no material file and no warning about it.
  EXPECT_FALSE(t.folder.exists("out.mat"));
  EXPECT_EQ(t.prompt.titles(), (std::vector<std::string>{"Finished"}));
}

TEST(ProcessingFinish, AFailingFileStopsTheRunAndLeavesThePreviousFile) {
  for (std::string failing : {"out.asc", "out.mat", "(Extra_mat_1).pix"}) {
    SCOPED_TRACE(failing);
    TestSession t;
    load_analysed_scene(t, ase_scene({triangle("T", 0)}), 1);
    set_materials(t.session.scene, {{false, {{"(Extra material_1) , (Extra_mat_1)", "", "0.5"}}}});
    t.folder.write("out.asc", "previous asc");
    t.folder.write("out.mat", "previous mat");
    t.session.window.Check4.value = 1;
    t.fs.fail_write = failing;
    start_process(t.session);

    std::string path = failing.ends_with(".pix") ? join_path(t.folder.file("PIX16"), failing)
                                                 : t.folder.file(failing);
    EXPECT_EQ(t.prompt.messages, Messages{stopped(path, "No space left on device")});
    EXPECT_EQ(t.folder.read("out.mat"), "previous mat");
    if (failing == "out.asc") {
      EXPECT_EQ(t.folder.read("out.asc"), "previous asc");
    }
    EXPECT_FALSE(t.folder.exists("testfile.txt"));
    EXPECT_FALSE(std::filesystem::exists(path + ".meshmill-part"));
    EXPECT_EQ(t.session.window.pointer, MousePointer::normal);
    EXPECT_FALSE(t.session.window.Process_bar.visible);
    EXPECT_FALSE(t.session.scene.logerrors);
    EXPECT_FALSE(t.session.quit_requested);
    EXPECT_EQ(t.fs.open_files(), t.session.scene.special_mats ? 1 : 0);
  }
}

TEST(ProcessingFinish, AMissingTargetFolderIsReported) {
  TestSession t;
  load_analysed_scene(t, ase_scene({triangle("T")}), 1);
  t.session.scene.fich_dest = t.folder.file("missing") + "/out.asc";
  start_process(t.session);
  ASSERT_EQ(t.prompt.messages.size(), 1u);
  EXPECT_EQ(t.prompt.messages[0].text,
            "The file " + t.session.scene.fich_dest +
                " could not be written (No such file or directory). The processing was stopped.");
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  EXPECT_FALSE(t.session.window.Label_analize.visible);
}

}  // namespace
}  // namespace meshmill::testing
