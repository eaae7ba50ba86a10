#include <gtest/gtest.h>

#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

using Message = ScriptedPrompt::Message;

const std::string zero_vertices =
    "') : the line indicating the number of vertices indicates that the object has 0 vertices. "
    "This object was skipped since it would make Pt2 crash when importing it.";

TEST(AnalysisReading, KeywordsNeedTheirTabsAndObjectPassesIgnoreCase) {
  // Lower-case keywords pass the object passes, which upper-case the line.
  TestSession lower;
  std::string text = ase_scene({AseObject{}});
  for (const char* keyword : {"*GEOMOBJECT", "*MESH_NUMVERTEX", "*MESH_NUMFACES", "*MESH_FACE_LIST",
                              "*MESH_NUMTVERTEX", "*MESH_NUMTVFACES"}) {
    std::string lowered = keyword;
    for (char& c : lowered) c = static_cast<char>(std::tolower(c));
    for (std::size_t at; (at = text.find(std::string(keyword) + " ")) != std::string::npos;) {
      text.replace(at, lowered.size(), lowered);
    }
  }
  analyse_text(lower, text);
  EXPECT_EQ(lower.session.scene.valid_objects, 1);
  EXPECT_EQ(lower.session.window.Text_faces.text, "12");

  // A count line indented with blanks is not seen: the search reads on to the end.
  TestSession blanks;
  text = ase_scene({AseObject{}});
  text.replace(text.find("\t\t*MESH_NUMVERTEX"), 2, "    ");
  analyse_text(blanks, text);
  EXPECT_EQ(blanks.prompt.messages.back(),
            (Message{"This .ase file is invalid (the object Box01 doesn't have a line indicating "
                     "the number of vertices of this object). Unfortunately it's not possible to "
                     "just skip this object, please remove this object in the 3d scene in the 3d "
                     "modelling program.",
                     16, "Error"}));

  // An object line with a TAB in front is no object line.
  TestSession indented;
  analyse_text(indented, ase_header() + "\t" + ase_object(AseObject{}));
  EXPECT_EQ(indented.prompt.messages.back().text,
            "The specified file doesn't contain any objects declared correctly, so this program "
            "won't process this file, choose another file.");
}

TEST(AnalysisReading, CountsAreNumbersWithBlanksIgnored) {
  TestSession t;
  AseObject spaced;
  spaced.numvertex = "1 024";
  spaced.numfaces = " 1 2";
  AseObject text_count;
  text_count.name = "Word";
  text_count.numvertex = "eight";
  AseObject huge;
  huge.name = "Huge";
  huge.numvertex = "1e12";
  AseObject negative;
  negative.name = "Negative";
  negative.numvertex = "-8";
  std::string scene = analyse_text(t, ase_scene({spaced, text_count, huge, negative}));
  EXPECT_EQ(t.session.window.Text_valid_objects.text, "2");
  EXPECT_EQ(t.session.window.Text_vertices.text, "1000000001024");
  EXPECT_EQ(t.session.window.Text_faces.text, "24");
  std::string text = read_file(scene);
  EXPECT_EQ(log_lines(t),
            (std::vector<std::string>{
                "Error in line " + std::to_string(line_of(text, "*MESH_NUMVERTEX eight")) +
                    " (object 'Word" + zero_vertices,
                "Error in line " + std::to_string(line_of(text, "*MESH_NUMVERTEX -8")) +
                    " (object 'Negative" + zero_vertices}));
}

TEST(AnalysisReading, NamesQuotesAndLineEnds) {
  // Unix line ends are accepted; names keep their Windows-1252 bytes in the log.
  TestSession t;
  AseObject accented;
  accented.name = "Caf\xe9";
  accented.numtvfaces = "0";
  AseObject unquoted;
  unquoted.quoted_name = false;
  unquoted.name = "\"NoEnd";
  std::string text = ase_scene({accented, unquoted, AseObject{}});
  std::string unix_text;
  for (char c : text) {
    if (c != '\r') unix_text += c;
  }
  analyse_text(t, unix_text);
  EXPECT_EQ(t.session.scene.valid_objects, 1);
  std::string log = t.folder.read("error_log.txt");
  EXPECT_EQ(log,
            "Error in line " + std::to_string(line_of(unix_text, "*MESH_NUMTVFACES 0")) +
                " (object 'Caf\xe9') : the line indicating the number of mapping faces indicates "
                "that the object has 0 mapping faces. This object was skipped since it would make "
                "Pt2 crash when importing it.\r\n"
                "Error in line " +
                std::to_string(line_of(unix_text, "*NODE_NAME \"NoEnd")) +
                " : the quotes indicating the name of the object are missing\r\n");
}

}  // namespace
}  // namespace meshmill::testing
