// A small scene converted end to end and compared byte for byte with files
// reviewed by hand (tests/data/processing).
#include <gtest/gtest.h>

#include "app/scene_commands.h"
#include "platform/paths.h"
#include "support/messages.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

const std::string data = std::string(MESHMILL_TEST_DATA) + "/processing/";

TEST(ProcessingScene, LevelIsConvertedByteForByte) {
  TestSession t;
  t.fs.create_folder(t.folder.file("TIFFRGB"), nullptr);
  t.prompt.answers = {answer::no};  // not right away
  analyze(t.session, t.folder.write("level.ase", read_file(data + "level.ase")));
  ASSERT_EQ(t.session.scene.file_loaded, 1);
  t.prompt.messages.clear();
  t.session.scene.fich_dest = t.folder.file("out.asc");
  t.session.scene.pix16_dest = t.folder.file("PIX16");
  t.fs.create_folder(t.session.scene.pix16_dest, nullptr);
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
  EXPECT_EQ(t.prompt.messages, Messages{finished_question});
  EXPECT_FALSE(t.session.quit_requested);
  EXPECT_EQ(t.session.window.pointer, MousePointer::normal);
  EXPECT_FALSE(t.session.window.Process_bar.visible);
  EXPECT_FALSE(t.session.window.Label_analize.visible);
}

}  // namespace
}  // namespace meshmill::testing
