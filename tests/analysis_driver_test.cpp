#include <gtest/gtest.h>

#include "app/clear_statistics.h"
#include "state/scene_reset.h"
#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

const Message reset_question{
    "Are you sure ? The error log file will also be deleted, and in case there were shortened "
    "names of textures files with more than 15 characters, they will NOT be restored by the "
    "program (you have to do that manually)! Are you sure you want to continue?",
    4, "Warning"};
const Message confirmation{
    "Are you sure ? All information from previous loaded file will be lost, so as the error log "
    "filed! Continue?",
    4, "Warning"};

TEST(AnalysisDriver, StatisticsResetAskedAndSilent) {
  TestSession t;
  analyse_text(t, ase_scene(boxes(2)));
  t.folder.write("testfile.txt", "scratch");
  t.session.window.Label11.caption = "Comments (3): ";
  t.session.window.Text_savefile.text = "target.asc";
  t.session.scene.big_matfilenames = 1;
  t.session.scene.mat_names.reset(1, 1);
  t.session.window.pointer = MousePointer::busy;

  // No keeps everything.
  t.prompt.messages.clear();
  clear_statistics(t.session);
  EXPECT_EQ(t.prompt.messages, Messages{reset_question});
  EXPECT_EQ(t.session.scene.file_loaded, 1);
  EXPECT_EQ(t.session.window.Text_total_objects.text, "2");
  EXPECT_TRUE(t.folder.exists("testfile.txt"));
  EXPECT_EQ(t.session.window.pointer, MousePointer::normal);

  // Yes unloads the scene; the material table and the error log stay.
  t.prompt.answers = {answer::yes};
  clear_statistics(t.session);
  const SceneState& scene = t.session.scene;
  const WindowState& window = t.session.window;
  EXPECT_EQ(scene.file_loaded, 0);
  EXPECT_EQ(scene.nr_objects, 0);
  EXPECT_EQ(scene.nr_line2, 0);
  EXPECT_EQ(scene.big_matfilenames, 0);
  EXPECT_EQ(scene.scene_stats[3], 0);
  EXPECT_TRUE(scene.fich.empty());
  EXPECT_TRUE(scene.file_type.empty());
  EXPECT_EQ(scene.obj_names, std::vector<std::string>{""});
  EXPECT_EQ(scene.mat_names.rows(), 1u);
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  EXPECT_TRUE(t.folder.exists("error_log.txt"));
  for (const TextBox* box :
       {&window.Text_loadfile, &window.Text_savefile, &window.Text_total_objects,
        &window.Text_valid_objects, &window.Text_faces, &window.Text_vertices,
        &window.Text_ascsplit, &window.Text_comments}) {
    EXPECT_TRUE(box->text.empty());
  }
  EXPECT_EQ(window.Label11.caption, "Comments : ");
  EXPECT_FALSE(window.Open_error_log.enabled);
  EXPECT_FALSE(window.Clear_statistics.enabled);
  EXPECT_FALSE(window.Label_analize.visible);

  // Silent after a refusal: nothing asked, and no input folder to clean.
  t.prompt.messages.clear();
  unload_scene(t.session);
  EXPECT_TRUE(t.prompt.messages.empty());
}

TEST(AnalysisDriver, ASecondAnalysisAsksFirst) {
  TestSession t;
  std::string path = analyse_text(t, ase_scene(boxes(2)));
  t.folder.write("testfile.txt", "scratch");  // the program's folder here
  t.prompt.messages.clear();

  // No: nothing changes and no dialog is shown.
  analyze(t.session, "");
  EXPECT_EQ(t.prompt.messages, Messages{confirmation});
  EXPECT_TRUE(t.prompt.open_requests.empty());
  EXPECT_EQ(t.session.scene.file_loaded, 1);
  EXPECT_EQ(t.session.window.Text_valid_objects.text, "2");
  EXPECT_TRUE(t.folder.exists("testfile.txt"));

  // Yes forgets the scene, then the dialog (the start-up path was used once).
  t.prompt.messages.clear();
  t.prompt.answers = {answer::yes};
  analyze(t.session, "");
  EXPECT_EQ(t.prompt.messages, Messages{confirmation});
  EXPECT_EQ(t.prompt.open_requests.size(), 1u);
  EXPECT_EQ(t.session.scene.file_loaded, 0);
  EXPECT_TRUE(t.session.window.Text_valid_objects.text.empty());
  EXPECT_TRUE(t.session.window.Text_loadfile.text.empty());
  EXPECT_FALSE(t.folder.exists("testfile.txt"));

  // A scene chosen in the dialog is analysed after the question.
  t.prompt.messages.clear();
  t.prompt.open_answers = {path};
  analyze(t.session, "");
  EXPECT_EQ(t.prompt.messages.size(), 2u);
  EXPECT_EQ(t.session.scene.valid_objects, 2);
}

TEST(AnalysisDriver, ExpressModeHandsOverOnlyAfterACleanAnalysis) {
  // Yes to the question: no closing message, the processing runs and ends the
  // program.
  TestSession clean;
  clean.prompt.answers = {answer::yes};
  analyse_text(clean, ase_scene(boxes(2)));
  EXPECT_EQ(clean.prompt.messages,
            (Messages{{express_question, 4, "Question"},
                      {"Finished exporting of the imported 3d scene file ! DON'T forget to "
                       "optimize the object in plaything2 !!",
                       64, "Finished"}}));
  EXPECT_TRUE(clean.session.quit_requested);
  EXPECT_EQ(clean.session.scene.file_loaded, 1);

  // Skipped objects cancel the express processing.
  TestSession skipped;
  skipped.prompt.answers = {answer::yes};
  AseObject broken{"Broken", "0"};
  analyse_text(skipped, ase_scene({broken}));
  EXPECT_EQ(skipped.prompt.messages,
            (Messages{{express_question, 4, "Question"}, {skipped_text, 16, "Warning"}}));
  EXPECT_EQ(skipped.session.scene.valid_objects, 0);
}

TEST(AnalysisDriver, WindowPreparationByInputType) {
  // An ASE scene without a TIFFRGB folder gets the warning; a lower-case folder counts.
  TestSession t;
  std::string path = t.folder.write("scene.ase", ase_scene(boxes(1)));
  analyze(t.session, path);
  ASSERT_GE(t.prompt.messages.size(), 1u);
  EXPECT_EQ(t.prompt.messages[0].style, 64);
  EXPECT_EQ(t.prompt.messages[0].title, "Warning");
  EXPECT_EQ(t.prompt.messages[0].text.substr(0, 44),
            "This 3d scene doesn't have a TIFFRGB folder,");
  EXPECT_FALSE(t.session.window.Check_createmat.enabled);
  EXPECT_FALSE(t.session.window.Check_vtextures.enabled);
  EXPECT_FALSE(t.session.window.Text_comments.enabled);

  TestSession lower;
  std::filesystem::create_directories(lower.folder.file("tiffrgb"));
  analyze(lower.session, lower.folder.write("scene.ase", ase_scene(boxes(1))));
  EXPECT_EQ(lower.prompt.messages[0].title, "Question");

  // An ASC input unticks Check3 before its passes, whatever they find.
  TestSession asc;
  asc.session.window.Check3.value = 1;
  asc.session.window.Target_filename.visible = false;
  analyze(asc.session, asc.folder.write("mesh.ASC", "Named object: \"a\"\r\n"));
  EXPECT_EQ(asc.session.window.Check3.value, 0);
  EXPECT_TRUE(asc.session.window.Target_filename.visible);
  EXPECT_TRUE(asc.folder.exists("special_materials.txt"));

  // Another extension: the side files exist empty and nothing is loaded.
  TestSession other;
  analyze(other.session, other.folder.write("notes.txt", "text"));
  EXPECT_TRUE(other.prompt.messages.empty());
  EXPECT_EQ(other.session.scene.file_loaded, 0);
  EXPECT_TRUE(other.folder.exists("error_log.txt"));
}

}  // namespace
}  // namespace meshmill::testing
