// A small scene converted end to end and compared byte for byte with files
// reviewed by hand (tests/data/processing).
#include <gtest/gtest.h>

#include "app/scene_commands.h"
#include "platform/paths.h"
#include "processing/processing_driver.h"
#include "processing_support.h"

namespace meshmill::testing {
namespace {

const std::string data = std::string(MESHMILL_TEST_DATA) + "/processing/";

// The material table the analysis builds for level.ase.
void set_level_materials(SceneState& scene) {
  set_materials(scene,
                {
                    {false, {{"Road , C:\\maps\\road.tga", "0.5000\t0.2500\t1.0000", ""}}},
                    {true,
                     {{"Grass , grass", "", ""},
                      {"(Extra material_1) , (Extra_mat_1)", "0.1000\t0.2000\t0.3000", "0.5000"},
                      {"Glass , glass", "", "0.4000"},
                      {"", "", ""}}},
                    {false, {{"[{empty material}] , [{empty material}]", "", ""}}},
                });
}

TEST(ProcessingScene, LevelIsConvertedByteForByte) {
  TestSession t;
  t.fs->create_folder(t.folder.file("TIFFRGB"));
  std::string input = t.folder.write("level.ase", read_file(data + "level.ase"));
  t.prompt.answers = {answer::no};  // not right away
  analyze_scene(t.session, input);
  ASSERT_EQ(t.session.scene.file_loaded, 1);
  // Until the material pass fills the table itself, the table it builds for level.ase.
  if (t.session.scene.project_mapped == 0) set_level_materials(t.session.scene);
  t.prompt.messages.clear();
  t.session.scene.fich_dest = t.folder.file("out.asc");
  t.session.scene.pix16_dest = t.folder.file("PIX16");
  t.fs->create_folder(t.session.scene.pix16_dest);
  t.session.window.Text_savefile.text = t.session.scene.fich_dest;

  start_process(t.session);

  EXPECT_EQ(t.folder.read("out.asc"), read_file(data + "level.asc"));
  EXPECT_EQ(t.folder.read("out.mat"), read_file(data + "level.mat"));
  EXPECT_EQ(read_file(join_path(t.folder.file("PIX16"), "(Extra_mat_1).pix")),
            read_file(data + "extra_mat_1.pix"));
  EXPECT_EQ(t.folder.read("special_materials.txt"),
            "Multimat. 1, submat. 2 : Glass | Opacity rgb setting : 102,102,102\r\n");
  // The scratch file is gone; the error log keeps the analysis's line about
  // "Empty"; PIX16 holds a pixelmap and stays.
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  EXPECT_NE(t.folder.read("error_log.txt").find("(object 'Empty') : "), std::string::npos);
  EXPECT_TRUE(t.folder.exists("PIX16"));

  const SceneState& scene = t.session.scene;
  EXPECT_EQ(scene.valid_objects, 3);
  EXPECT_TRUE(scene.skipped_objects.empty());
  EXPECT_EQ(scene.processed_files,
            (std::vector<std::string>{t.folder.file("out.asc"),
                                      join_path(t.folder.file("PIX16"), "(Extra_mat_1).pix"),
                                      t.folder.file("out.mat")}));
  ASSERT_EQ(t.prompt.messages.size(), 1u);
  EXPECT_EQ(t.prompt.messages[0],
            (ScriptedPrompt::Message{
                "Finished exporting of the imported 3d scene file ! Finished exporting of the "
                "imported 3d scene file ! DON'T forget to optimize the object in plaything2 !! "
                "Do you want the program to close itself immediatly ?",
                4, "Finished"}));
  EXPECT_FALSE(t.session.quit_requested);
  EXPECT_EQ(t.session.window.pointer, MousePointer::normal);
  EXPECT_FALSE(t.session.window.Process_bar.visible);
  EXPECT_FALSE(t.session.window.Label_analize.visible);
}

}  // namespace
}  // namespace meshmill::testing
