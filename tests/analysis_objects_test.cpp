#include <gtest/gtest.h>

#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

TEST(AnalysisObjects, SkipsEachFaultWithItsLogLineAndGoesOn) {
  AseObject no_vertices{"NoVerts", "0"};
  AseObject no_faces{"NoFaces", "8", "0"};
  AseObject too_many{"TooMany", "8", "65536"};
  AseObject no_tverts{"NoTVerts", "8", "12", "0"};
  AseObject no_tfaces{"NoTFaces", "8", "12", "8", "0"};
  AseObject limit{"Limit", "3", "65535"};
  TestSession t;
  std::string scene = analyse_text(
      t, ase_scene({no_vertices, no_faces, too_many, AseObject{}, no_tverts, no_tfaces, limit}));
  std::string text = read_file(scene);
  // One line for each skipped object, at its count line.
  expect_golden(t.folder.read("error_log.txt"), "analysis/skipped_objects.error_log.txt");
  const WindowState& window = t.session.window;
  EXPECT_EQ(statistics(window), (Statistics{"7", "2", "1", "65547", "11"}));
  EXPECT_EQ(window.Text_comments.text,
            "Objects with problems found and skipped, check error log for more details when "
            "analyzing is finished.");
  EXPECT_TRUE(window.Open_error_log.enabled);
  EXPECT_TRUE(window.Target_filename.enabled);
  EXPECT_TRUE(window.Clear_statistics.enabled);
  EXPECT_FALSE(window.Analize_bar.visible);
  EXPECT_FALSE(window.Label_analize.visible);
  EXPECT_EQ(window.pointer, MousePointer::normal);
  EXPECT_EQ(t.prompt.messages,
            (Messages{{express_question, 4, "Question"}, {skipped_text, 16, "Warning"}}));
  const SceneState& state = t.session.scene;
  EXPECT_EQ(state.file_loaded, 1);
  EXPECT_EQ(state.file_type, "ase");
  EXPECT_EQ(state.valid_objects, 2);
  EXPECT_EQ(state.nr_line2, static_cast<std::int64_t>(crlf_lines(text).size()));
  EXPECT_EQ(window.Analize_bar.value, state.nr_line2);
  EXPECT_TRUE(state.logerrors == nullptr);
  EXPECT_TRUE(state.special_mats != nullptr);
}

TEST(AnalysisObjects, SplitCountFollowsTheObjectCount) {
  for (auto [objects, files] : {std::pair{255, "1"}, {256, "2"}, {510, "3"}, {511, "3"}}) {
    std::vector<AseObject> scene(static_cast<std::size_t>(objects),
                                 AseObject{"Tri", "3", "1", "3", "1"});
    TestSession t;
    analyse_text(t, ase_scene(scene));
    EXPECT_EQ(t.session.window.Text_total_objects.text, std::to_string(objects));
    EXPECT_EQ(t.session.window.Text_valid_objects.text, std::to_string(objects));
    EXPECT_EQ(t.session.window.Text_ascsplit.text, files) << objects;
    EXPECT_EQ(t.session.scene.scene_stats[3], std::stoi(files));
  }
}

TEST(AnalysisObjects, ACleanSceneEndsWithFinished) {
  TestSession t;
  analyse_text(t, ase_scene(boxes(3)));
  EXPECT_EQ(t.prompt.messages,
            (Messages{{express_question, 4, "Question"}, {finished_text, 64, "Finished"}}));
  EXPECT_FALSE(t.session.window.Open_error_log.enabled);
  EXPECT_EQ(t.folder.read("error_log.txt"), "");
  // One yield per step: a line outside an object, or an object up to its mapping-face count;
  // and one per material of the material pass.
  std::string text = t.folder.read("scene.ase");
  std::int64_t object_lines = line_of(text, "*MESH_NUMTVFACES") - line_of(text, "*GEOMOBJECT");
  EXPECT_EQ(t.pump.yields,
            t.session.scene.nr_line2 - 3 * object_lines + t.session.scene.nr_mapped_objs);
}

}  // namespace
}  // namespace meshmill::testing

namespace meshmill::testing {
namespace {

TEST(AnalysisObjects, SampleTrack) {
  // Analysed in a copy, so the side files don't land in the source tree.
  TestSession t;
  analyze(t.session, copy_examples(t.folder));
  EXPECT_EQ(statistics(t.session.window), (Statistics{"7", "6", "1", "52", "40"}));
  std::vector<std::string> log = log_lines(t);
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "Error in line 685 (object 'Lamp_post') : the line indicating the number of "
                      "mapping vertices indicates that the object has 0 mapping vertices. This "
                      "object was skipped since it would make Pt2 crash when importing it."),
            log.end());
}

}  // namespace
}  // namespace meshmill::testing
