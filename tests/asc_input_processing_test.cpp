// Re-writing an .asc input: the copy, the axis flip, the split and the tidying.
#include <gtest/gtest.h>

#include "app/scene_commands.h"
#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

// Analyses `text` as an .asc input and chooses out.asc beside it as the target.
void load_asc(TestSession& t, const std::string& text, bool all_settings = false) {
  analyse_text(t, text, "level.asc");
  ASSERT_EQ(t.session.scene.file_loaded, 1);
  ASSERT_TRUE(t.session.window.Target_filename.enabled);
  t.session.scene.fich_dest = t.folder.file("out.asc");
  t.session.scene.pix16_dest = t.folder.file("PIX16");
  t.session.window.Text_savefile.text = t.session.scene.fich_dest;
  t.session.window.Check_all.value = all_settings ? 1 : 0;
  t.prompt.messages.clear();
}

TEST(AscInputProcessing, CopiesObjectsWithoutMappingLines) {
  AscBlock mapped{"Mapped", 4, 2, true, true};
  AscBlock plain{"Plain", 3, 1};
  std::string text = asc_scene({mapped, plain});
  TestSession t;
  load_asc(t, text);
  start_process(t.session);

  EXPECT_EQ(t.folder.read("out.asc"), without_mapping_lines(text));
  EXPECT_EQ(t.prompt.messages, (Messages{finished_question}));
  EXPECT_EQ(t.session.scene.valid_objects, 2);
  EXPECT_FALSE(t.folder.exists("error_log.txt"));  // it stayed empty
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  EXPECT_FALSE(t.folder.exists("PIX16"));
  EXPECT_FALSE(t.folder.exists("level.mat"));
  EXPECT_FALSE(t.folder.exists("out.mat"));
  const WindowState& window = t.session.window;
  EXPECT_EQ(window.pointer, MousePointer::normal);
  EXPECT_FALSE(window.Process_bar.visible);
  EXPECT_FALSE(window.Label_analize.visible);
  EXPECT_FALSE(window.Open_error_log.enabled);
  EXPECT_TRUE(t.session.scene.logerrors == nullptr);
  EXPECT_EQ(t.session.scene.file_loaded, 1);

  // A log with lines in it stays; a name line right after the last face line
  // starts the next object, which the re-written file separates again.
  AscBlock first{"First", 3, 1, false, true, false};
  TestSession u;
  load_asc(u, asc_scene({first, plain}));
  u.folder.write("error_log.txt", "kept\r\n");
  start_process(u.session);
  EXPECT_EQ(u.folder.read("out.asc"), without_mapping_lines(asc_scene({{"First", 3, 1}, plain})));
  EXPECT_EQ(u.folder.read("error_log.txt"), "kept\r\n");
}

TEST(AscInputProcessing, AxisFlipRebuildsVertexLinesWithoutMapping) {
  std::string text =
      "Named object: \"Turned\"\r\nTri-mesh, Vertices: 3     Faces: 1\r\nMapped\r\n"
      "Vertex list:\r\n"
      "Vertex 0:  X:1.0     Y:-2.5     Z:3.0     U:0.5     V:0.25\r\n"
      "Vertex 1:  X:-1.5     Y:2.0     Z:0.0000     U:0.25     V:-0.75\r\n"
      "Vertex 2:  X:1     Y:2     Z:30.125\r\n"
      "Face list:\r\nFace 0: A:0 B:1 C:2 AB:1 BC:1 CA:0\r\nMaterial:\"Grey\"\r\nSmoothing: 1\r\n"
      "\r\n";
  TestSession t;
  load_asc(t, text);
  t.session.window.Check_flip3daxis.value = 1;
  t.session.window.Check_vtextures.value = 1;  // no texture flip for an .asc input
  start_process(t.session);
  EXPECT_EQ(t.folder.read("out.asc"),
            "Named object: \"Turned\"\r\nTri-mesh, Vertices: 3     Faces: 1\r\nVertex list:\r\n"
            "Vertex 0:  X:1.0     Y:3.0     Z:2.5\r\n"
            "Vertex 1:  X:-1.5     Y:0.0000     Z:-2.0\r\n"
            "Vertex 2:  X:1     Y:30.125     Z:-2\r\n"
            "Face list:\r\nFace 0: A:0 B:1 C:2 AB:1 BC:1 CA:0\r\n\r\n");
}

TEST(AscInputProcessing, SplitsEvery255Objects) {
  std::vector<AscBlock> objects;
  for (int i = 0; i < 511; ++i) objects.push_back({"Obj" + std::to_string(i), 3, 1});
  std::string text = asc_scene(objects);
  TestSession t;
  load_asc(t, text, true);
  ASSERT_EQ(t.session.window.Text_ascsplit.text, "3");
  start_process(t.session);

  EXPECT_FALSE(t.folder.exists("out.asc"));
  std::string files[3] = {t.folder.read("out_01.asc"), t.folder.read("out_02.asc"),
                          t.folder.read("out_03.asc")};
  EXPECT_EQ(files[0].find("Named object: \"Obj0\""), 0u);
  EXPECT_EQ(files[1].find("Named object: \"Obj255\""), 0u);
  EXPECT_EQ(files[2].find("Named object: \"Obj510\""), 0u);
  // Check_all turns the axis too.
  EXPECT_NE(files[0].find("Vertex 0:  X:0.5     Y:0.0000     Z:2.25\r\n"), std::string::npos);
  EXPECT_EQ(objects_in(files[0]), 255u);
  EXPECT_EQ(t.session.scene.valid_objects, 511);

  // Without the split every object goes into the one target, after a warning.
  TestSession one;
  load_asc(one, text);
  start_process(one.session);
  EXPECT_TRUE(one.folder.exists("out.asc"));
  EXPECT_FALSE(one.folder.exists("out_01.asc"));
  EXPECT_EQ(one.folder.read("out.asc"), without_mapping_lines(text));
  EXPECT_EQ(one.prompt.titles(), (std::vector<std::string>{"Warning", "Finished"}));
}

TEST(AscInputProcessing, ObjectsThatBreakOffAreLeftOutAndNamed) {
  // The file changes between the analysis and the processing.
  std::string good = asc_object({"Good", 3, 1});
  TestSession t;
  load_asc(t, good + asc_object({"Gap", 3, 1}) + asc_object({"Cut", 3, 2}));
  std::string gap = asc_object({"Gap", 3, 1});
  gap.replace(gap.find("Vertex 1:"), 8, "Vertex 7:");
  std::string cut = asc_object({"Cut", 3, 2});
  cut.resize(cut.find("Face 1:"));
  t.folder.write("level.asc", good + gap + cut);
  start_process(t.session);

  EXPECT_EQ(t.folder.read("out.asc"), good);
  EXPECT_EQ(t.prompt.messages,
            (Messages{{"These objects were NOT included in the processed scene:\n"
                       "\"Gap\": vertex line 1 is missing or out of sequence\n"
                       "\"Cut\": the file ends inside it",
                       48, "Warning"},
                      finished_question}));
  EXPECT_EQ(t.session.scene.valid_objects, 1);
}

}  // namespace
}  // namespace meshmill::testing

namespace meshmill::testing {
namespace {

TEST(AscInputProcessing, AReadFailureStopsTheAnalysisOrAbandonsTheRun) {
  std::string text = asc_scene(std::vector<AscBlock>(40, AscBlock{"Tri", 3, 1}));
  TestSession t;
  FaultyFileSystem& faulty = t.fs;
  WindowSession& session = t.session;
  std::string path = t.folder.write("level.asc", text);
  const Message read_failure{"The file " + path + " couldn't be read: Input/output error", 16,
                             "Error"};
  faulty.reason = "Input/output error";

  faulty.fail_read_after = static_cast<long>(text.size() / 2);
  analyze(session, path);
  EXPECT_EQ(t.prompt.messages, (Messages{read_failure}));
  EXPECT_EQ(session.scene.file_loaded, 0);

  faulty.fail_read_after = -1;
  t.prompt.messages.clear();
  analyze(session, path);
  ASSERT_EQ(session.scene.file_loaded, 1);
  session.scene.fich_dest = t.folder.file("out.asc");
  session.window.Text_savefile.text = session.scene.fich_dest;
  faulty.fail_read_after = static_cast<long>(text.size() / 2);
  t.prompt.messages.clear();
  start_process(session);
  EXPECT_EQ(t.prompt.messages,
            (Messages{{"The file " + path +
                           " could not be read (Input/output error). The processing was stopped.",
                       16, "Error"}}));
  EXPECT_FALSE(t.folder.exists("out.asc"));
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  EXPECT_FALSE(t.folder.exists("error_log.txt"));
  EXPECT_EQ(session.window.pointer, MousePointer::normal);
  EXPECT_FALSE(session.window.Process_bar.visible);
}

}  // namespace
}  // namespace meshmill::testing
