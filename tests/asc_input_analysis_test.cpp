#include <gtest/gtest.h>

#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

const std::string cannot_process_text =
    "Analyzing of 3d scene file finished, but because of some errors you can't process this "
    "scene.";
const std::string invalid_asc_text =
    "This .asc file is invalid, make sure you don't edit it manually.";
const std::string comments_text =
    "Objects with problems found and skipped, check error log for more details when analyzing is "
    "finished.";

TEST(AscInputAnalysis, CleanFileWithEveryKindOfObject) {
  AscBlock with_lines{"Mapped", 4, 2, true, true};
  AscBlock ends_on_name{"Plain", 3, 1, false, false, false};
  AscBlock follows{"Follows", 5, 3};
  // "Smoothing:" without "Material:", then "Material:" without "Smoothing:".
  std::string partial =
      "Named object: \"Partial\"\r\nTri-mesh, Vertices: 3     Faces: 3\r\n"
      "Vertex list:\r\n" +
      asc_vertex_line(0, false) + "\r\n" + asc_vertex_line(1, false) + "\r\n" +
      asc_vertex_line(2, false) + "\r\nFace list:\r\n" + asc_face_line(0) + "\r\nSmoothing: 1\r\n" +
      asc_face_line(1) + "\r\nMaterial:\"Grey\"\r\n" + asc_face_line(2) +
      "\r\nSmoothing: 2\r\n\r\n";
  // A vertex-list header followed directly by the face-list header: no vertex checks.
  std::string no_vertex_lines =
      "named OBJECT: \"Bare\"\r\ntri-mesh, vertices: 7     faces: 1\r\nVERTEX LIST:\r\n"
      "Face list:\r\nface 0: A:0 B:1 C:2 AB:1 BC:1 CA:0\r\n\r\n";
  std::string text = asc_scene({with_lines, ends_on_name, follows}) + partial + no_vertex_lines;
  TestSession t;
  t.session.window.Check3.value = 1;
  std::string path = analyse_text(t, text, "level.asc");

  const WindowState& window = t.session.window;
  EXPECT_EQ(t.prompt.messages, (Messages{{choose_target_text, 64, "Finished"}}));
  EXPECT_EQ(statistics(window), (Statistics{"5", "5", "1", "10", "22"}));
  EXPECT_EQ(window.Check3.value, 0);
  EXPECT_TRUE(window.Target_filename.enabled);
  EXPECT_TRUE(window.Clear_statistics.enabled);
  EXPECT_FALSE(window.Open_error_log.enabled);
  EXPECT_EQ(window.Text_comments.text, "");
  EXPECT_FALSE(window.Analize_bar.visible);
  EXPECT_EQ(window.pointer, MousePointer::normal);
  const SceneState& scene = t.session.scene;
  EXPECT_EQ(scene.file_loaded, 1);
  EXPECT_EQ(scene.file_type, "asc");
  EXPECT_EQ(scene.valid_objects, 5);
  EXPECT_EQ(scene.nr_line2, static_cast<std::int64_t>(crlf_lines(text).size()));
  EXPECT_EQ(t.folder.read("error_log.txt"), "");
  EXPECT_TRUE(t.folder.exists("special_materials.txt"));
  EXPECT_EQ(scene.fich, path);

  // With a target already chosen the end message is the plain one.
  TestSession again;
  again.session.scene.fich_dest = again.folder.file("out.asc");
  analyse_text(again, text, "level.asc");
  EXPECT_EQ(again.prompt.messages,
            (Messages{{"Analyzing of 3d scene file finished!", 64, "Finished"}}));
}

TEST(AscInputAnalysis, SkipsEachFaultWithItsLogLine) {
  std::string gap =
      "Named object: \"Gap\"\r\nTri-mesh, Vertices: 4     Faces: 1\r\nMapped\r\n"
      "Vertex list:\r\n" +
      asc_vertex_line(0, true) + "\r\n" + asc_vertex_line(1, true) + "\r\n" +
      asc_vertex_line(3, true) + "\r\n" + asc_vertex_line(2, true) + "\r\nFace list:\r\n" +
      asc_face_line(0) + "\r\n\r\n";
  std::string face_gap =
      "Named object: \"FaceGap\"\r\nTri-mesh, Vertices: 1     Faces: 3\r\n"
      "Vertex list:\r\n" +
      asc_vertex_line(0, false) + "\r\nFace list:\r\n" + asc_face_line(0) +
      "\r\nMaterial:\"Grey\"\r\nSmoothing: 1\r\n" + asc_face_line(2) + "\r\n\r\n";
  std::string text =
      gap + face_gap +
      "Named object: \"NoCounts\"\r\nVertex list:\r\n\r\n"
      "Named object: \"OneColon\"\r\nTri-mesh, Vertices 8     Faces: 12\r\n\r\n"
      "Named object: \"NoWord\"\r\nTri-mesh, Vertices: 8     Sides: 12\r\n\r\n"
      "Named object: \"Dummy\"\r\nTri-mesh, Vertices: 0     Faces: 12\r\n\r\n"
      "Named object: \"Negative\"\r\nTri-mesh, Vertices: -3     Faces: 12\r\n\r\n"
      "Named object: \"NoFaces\"\r\nTri-mesh, Vertices: 8     Faces: 0\r\n\r\n"
      "Named object: \"TooMany\"\r\nTri-mesh, Vertices: 8     Faces: 65536\r\n\r\n"
      "Named object: \"Limit\"\r\nTri-mesh, Vertices: 8     Faces: 65535\r\nVertex list:\r\n"
      "Face list:\r\n\r\n"
      "Named object: \"NoHeader\"\r\nTri-mesh, Vertices: 8     Faces: 12\r\nVertex 0:  X:1\r\n"
      "Named object: NoQuotes\r\n\r\n" +
      asc_object({"Huge", 3, 1}) + asc_object({"Fine", 3, 1});
  // The huge count is checked against the lines that are there.
  std::string huge = "Vertices: 999999999999";
  std::size_t at = text.find("Vertices: 3     Faces: 1");
  text.replace(at, std::string("Vertices: 3").size(), huge);
  ASSERT_NE(text.find("Vertices: 999999999999     Faces: 1"), std::string::npos);

  TestSession t;
  analyse_text(t, text, "broken.asc");
  // One line for each skipped object, at the line that shows its fault.
  expect_golden(t.folder.read("error_log.txt"), "asc_input/skipped_objects.error_log.txt");
  const WindowState& window = t.session.window;
  EXPECT_EQ(t.prompt.messages, (Messages{{cannot_process_text, 64, "Finished"}}));
  EXPECT_EQ(window.Text_total_objects.text, "14");
  EXPECT_EQ(window.Text_valid_objects.text, "2");
  EXPECT_EQ(window.Text_faces.text, "65536");
  EXPECT_EQ(window.Text_vertices.text, "11");
  EXPECT_EQ(window.Text_comments.text, comments_text);
  EXPECT_TRUE(window.Open_error_log.enabled);
  EXPECT_FALSE(window.Target_filename.enabled);
  EXPECT_TRUE(window.Clear_statistics.enabled);
  EXPECT_EQ(t.session.scene.file_loaded, 1);
  EXPECT_EQ(t.session.scene.file_type, "asc");
}

TEST(AscInputAnalysis, RefusesFilesItCannotRead) {
  // No object line at all.
  TestSession none;
  analyse_text(none, "Ambient light color: Red=0.3 Green=0.3 Blue=0.3\r\n\r\n", "empty.asc");
  EXPECT_EQ(none.prompt.messages,
            (Messages{{"The specified file doesn't contain any objects declared correctly, so this "
                       "program won't process this file, choose another file.",
                       16, "Error"}}));
  EXPECT_EQ(none.session.scene.file_loaded, 0);
  EXPECT_EQ(none.session.window.Text_total_objects.text, "");

  // The file ends inside an object (here inside its face list): the whole file is refused.
  std::string cut = asc_object({"Whole", 3, 1});
  std::string broken = asc_object({"Cut", 3, 3});
  broken.resize(broken.find("Face 1:"));
  TestSession ended;
  analyse_text(ended, cut + broken, "cut.asc");
  EXPECT_EQ(ended.prompt.messages, (Messages{{invalid_asc_text, 16, "Error"}}));
  EXPECT_EQ(ended.session.scene.file_loaded, 0);
  EXPECT_EQ(ended.session.window.Text_valid_objects.text, "");
  EXPECT_FALSE(ended.session.window.Analize_bar.visible);
  EXPECT_TRUE(ended.session.scene.logerrors == nullptr);

  // Ending right after the last face line (or its smoothing line) is no fault.
  for (bool material_lines : {false, true}) {
    TestSession whole;
    analyse_text(whole, cut + asc_object({"Last", 3, 2, false, material_lines, false}),
                 "whole.asc");
    EXPECT_EQ(whole.prompt.messages, (Messages{{choose_target_text, 64, "Finished"}}));
    EXPECT_EQ(whole.session.window.Text_valid_objects.text, "2");
  }
}

TEST(AscInputAnalysis, SplitCountAndProgress) {
  std::vector<AscBlock> objects(256, AscBlock{"Tri", 3, 1});
  std::string text = asc_scene(objects);
  TestSession t;
  analyse_text(t, text, "many.asc");
  EXPECT_EQ(t.session.window.Text_total_objects.text, "256");
  EXPECT_EQ(t.session.window.Text_valid_objects.text, "256");
  EXPECT_EQ(t.session.window.Text_ascsplit.text, "2");
  // The bar ends full.
  EXPECT_EQ(t.session.window.Analize_bar.value, t.session.scene.nr_line2);
}

}  // namespace
}  // namespace meshmill::testing
