#include <gtest/gtest.h>

#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

// After a refusal the scene is unloaded without a question and the window is at rest.
void expect_unloaded(const TestSession& t) {
  const SceneState& scene = t.session.scene;
  const WindowState& window = t.session.window;
  EXPECT_EQ(scene.file_loaded, 0);
  EXPECT_TRUE(scene.fich.empty());
  EXPECT_EQ(scene.scene_stats[1], 0);
  EXPECT_FALSE(scene.logerrors);
  EXPECT_TRUE(window.Text_loadfile.text.empty());
  EXPECT_TRUE(window.Text_total_objects.text.empty());
  EXPECT_FALSE(window.Label_analize.visible);
  EXPECT_FALSE(window.Analize_bar.visible);
  EXPECT_FALSE(window.Clear_statistics.enabled);
  EXPECT_EQ(window.pointer, MousePointer::normal);
  EXPECT_FALSE(t.session.command_running);
}

// Analyses `text` and returns the last message shown.
Message refusal_of(const std::string& text) {
  TestSession t;
  analyse_text(t, text);
  expect_unloaded(t);
  EXPECT_TRUE(t.folder.exists("error_log.txt"));
  return t.prompt.messages.back();
}

TEST(AnalysisRefusal, StructuralProblemsRefuseTheWholeFile) {
  std::string box = ase_object(AseObject{});
  std::string group_text =
      "This 3d scene has objects grouped, which is not yet supported, so at the moment please "
      "export only the objects you want inside that group, and export the rest of those not "
      "inside the group in a separated .ase file, please choose another file for now.";
  EXPECT_EQ(refusal_of(ase_header() + "*GROUP \"g\" {\r\n" + box),
            (Message{group_text, 16, "Error"}));
  EXPECT_EQ(refusal_of(ase_header() + "*group {\r\n" + box).text, group_text);

  EXPECT_EQ(refusal_of(ase_header()), (Message{no_objects_text, 16, "Error"}));

  std::string without_mapping = box;
  without_mapping.erase(
      without_mapping.find("\t\t*MESH_NUMTVERTEX"),
      without_mapping.find("\t}\r\n\t*PROP") - without_mapping.find("\t\t*MESH_NUMTVERTEX"));
  EXPECT_EQ(refusal_of(ase_header() + without_mapping),
            (Message{"This .ase file is invalid, since you exported it without texture mapping "
                     "information. In case of using 3dsmax you must make sure that the option "
                     "'Mapping Coordinates' IS ticked, EVEN if all objects aren't textured.",
                     16, "Error"}));

  std::string cut_after_faces = ase_header() + box.substr(0, box.find("\t\t*MESH_NUMTVERTEX"));
  EXPECT_EQ(refusal_of(cut_after_faces),
            (Message{"This .ase file is invalid (the object Box01 doesn't have a line indicating "
                     "the number of mapping vertices of this object). Unfortunately it's not "
                     "possible to just skip this object, please remove this object in the 3d "
                     "scene in the 3d modelling program.",
                     16, "Error"}));

  std::string cut_after_tvertex = ase_header() + box.substr(0, box.find("\t\t*MESH_NUMTVFACES"));
  EXPECT_EQ(refusal_of(cut_after_tvertex), (Message{invalid_text, 16, "Error"}));
}

TEST(AnalysisRefusal, AFileThatBreaksOffInsideAnObjectIsInvalid) {
  std::string box = ase_object(AseObject{});
  auto cut_before = [&](const std::string& marker) {
    return ase_header() + box.substr(0, box.find(marker));
  };
  EXPECT_EQ(refusal_of(ase_header() + "*GEOMOBJECT {\r\n").text, invalid_text);
  EXPECT_EQ(refusal_of(cut_before("\t\t*MESH_NUMFACES")).text, invalid_text);
  EXPECT_EQ(refusal_of(cut_before("\t\t*MESH_FACE_LIST")).text, invalid_text);
  EXPECT_EQ(refusal_of(cut_before("\t\t\t*MESH_FACE   11:")).text, invalid_text);
  // 3ds Max writes the face count right after the vertex count.
  std::string moved = box;
  moved.replace(moved.find("\t\t*MESH_NUMFACES"), 16, "\t\t*MESH_NUMFACEZ");
  EXPECT_EQ(refusal_of(ase_header() + moved + box).text, invalid_text);
}

TEST(AnalysisRefusal, IndentedGroupLinesAndTinyFilesAreNoStructure) {
  TestSession indented;
  std::string box = ase_object(AseObject{});
  box.insert(box.find("\t*NODE_TM"), "\t*GROUP_MEMBER 1\r\n");
  analyse_text(indented, ase_header() + box);
  EXPECT_EQ(indented.session.scene.valid_objects, 1);

  // One line, no line end: the bar's range ends below its start.
  TestSession one_line;
  analyse_text(one_line, "*3DSMAX_ASCIIEXPORT");
  EXPECT_EQ(one_line.prompt.messages.back().text, no_objects_text);

  // Binary data and a line longer than the reader keeps: a plain answer.
  TestSession binary;
  std::string bytes(3 << 20, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7919 % 251);
  analyse_text(binary, bytes);
  EXPECT_EQ(binary.prompt.messages.back().text, no_objects_text);
  expect_unloaded(binary);
}

TEST(AnalysisRefusal, StartUpPathsAndTheDialog) {
  TestSession missing;
  std::string path = missing.folder.file("none.ase");
  analyze(missing.session, path);
  EXPECT_EQ(missing.prompt.messages,
            (Messages{{"This file (" + path + "doesn't exist!", 16, "Error"}}));
  EXPECT_TRUE(missing.session.scene.fich.empty());
  EXPECT_FALSE(missing.folder.exists("error_log.txt"));

  TestSession empty;
  path = empty.folder.write("empty.ase", "");
  analyze(empty.session, path);
  EXPECT_EQ(empty.prompt.messages,
            (Messages{{"This file (" + path + "is empty!", 16, "Invalid file"}}));

  // Quotes around a path with a blank are dropped.
  TestSession quoted;
  path = quoted.folder.write("my scene.ase", ase_scene({AseObject{}}));
  analyze(quoted.session, "\"" + path + "\"");
  EXPECT_EQ(quoted.session.scene.fich, path);
  EXPECT_EQ(quoted.session.window.Text_loadfile.text, path);
  EXPECT_EQ(quoted.session.scene.file_loaded, 1);

  // The dialog: cancelled ends silently, an empty answer is refused, an empty
  // file chosen there reaches the passes.
  TestSession dialog;
  analyze(dialog.session, "");
  ASSERT_EQ(dialog.prompt.open_requests.size(), 1u);
  const FileDialog& request = dialog.prompt.open_requests[0];
  EXPECT_EQ(request.title, "Please choose the 3d scene file you want to import in Plaything2...");
  EXPECT_EQ(request.filter,
            "ASCII scene export (*.ase)|*.ase|3D studio ASCII Mesh file (*.asc)|*.asc");
  EXPECT_EQ(request.start_folder, dialog.folder.path());
  EXPECT_TRUE(request.must_exist);
  EXPECT_TRUE(dialog.prompt.messages.empty());
  dialog.prompt.open_answers = {std::string()};
  analyze(dialog.session, "");
  EXPECT_EQ(dialog.prompt.messages, (Messages{{"No file selected or imported.", 16, "Warning"}}));
  dialog.prompt.open_answers = {dialog.folder.write("blank.ase", "")};
  analyze(dialog.session, "");
  EXPECT_EQ(dialog.prompt.messages.back().text, no_objects_text);
}

TEST(AnalysisRefusal, FilesThatCantBeReadOrCreatedAreNamedWithTheReason) {
  std::string scene = ase_scene(boxes(3));
  {
    TestSession t;
    t.fs.fail_open = true;
    analyze(t.session, t.folder.write("scene.ase", scene));
    EXPECT_EQ(t.prompt.messages.back(), (Message{"The file " + t.folder.file("scene.ase") +
                                                     " couldn't be opened: Permission denied",
                                                 16, "Error"}));
    EXPECT_EQ(t.session.scene.file_loaded, 0);
  }
  {
    // Reading fails half-way through the file.
    TestSession t;
    t.fs.fail_read_after = static_cast<long>(scene.size() / 2);
    t.fs.reason = "Input/output error";
    analyze(t.session, t.folder.write("scene.ase", scene));
    EXPECT_EQ(t.prompt.messages.back().text,
              "The file " + t.folder.file("scene.ase") + " couldn't be read: Input/output error");
  }
  {
    TestSession t;
    t.fs.fail_create = "special_materials.txt";
    analyze(t.session, t.folder.write("scene.ase", scene));
    EXPECT_EQ(t.prompt.messages.back(),
              (Message{"The file " + t.folder.file("special_materials.txt") +
                           " couldn't be created: Permission denied",
                       16, "Error"}));
    EXPECT_FALSE(t.session.scene.logerrors);
    EXPECT_EQ(t.session.scene.file_loaded, 0);
  }
}

TEST(AnalysisRefusal, ARefusalEndsExpressMode) {
  TestSession t;
  t.prompt.answers = {answer::yes};
  analyse_text(t, ase_header());
  EXPECT_EQ(t.prompt.messages,
            (Messages{{express_question, 4, "Question"}, {no_objects_text, 16, "Error"}}));
  expect_unloaded(t);
}

}  // namespace
}  // namespace meshmill::testing
