// Objects of ASE scenes through "Start Process": conversion, flips, material
// lines, the object filter and the objects that must be left out.
#include <gtest/gtest.h>

#include <array>

#include "app/scene_commands.h"
#include "format/asc_line_parser.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

struct Flags {
  bool axis = false;
  bool texture = false;
};

const std::vector<MaterialSpec> one_material = {{false, {{"Mat , t.tga", "", ""}}}};

// Converts the meshes with the given flips and materials (no split, no
// material file) and returns the .asc written.
std::string convert(TestSession& t, const std::vector<AseObject>& meshes, Flags flags = {},
                    const std::vector<MaterialSpec>& materials = {}) {
  load_analysed_scene(t, ase_scene(meshes), static_cast<std::int64_t>(meshes.size()));
  if (!materials.empty()) set_materials(t.session.scene, materials);
  WindowState& w = t.session.window;
  w.Check_all.value = 0;
  w.Check_flip3daxis.value = flags.axis;
  w.Check_vtextures.value = flags.texture;
  start_process(t.session);
  return t.folder.read("out.asc");
}

TEST(ProcessingObjects, ProcessarSplitsVertexTexts) {
  struct Case {
    const char* mode;
    const char* text;
    std::array<const char*, 5> fields;
  };
  const Case cases[] = {
      {"vc",
       ":  X:-1.5     Y:2.0     Z:0.0000     U:0.25     V:-0.75",
       {"-1.5", "2.0", "0.0000", "0.25", "-0.75"}},
      {"VC", "Vertex 7:  X:1     Y:-2.5     Z:30.125", {"1", "-2.5", "30.125", "no_uv", "no_uv"}},
  };
  for (const Case& c : cases) {
    VertexFields f;
    EXPECT_TRUE(processar(c.mode, c.text, f));
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(f.field[k], c.fields[static_cast<std::size_t>(k - 1)]);
  }

  // A whole line and its part from ":  X:" on give the same fields.
  VertexFields whole, part;
  processar("vc", "Vertex 12:  X:-27.2500     Y:0.0000     Z:13.5000     U:0.2500     V:-0.7500",
            whole);
  processar("vc", ":  X:-27.2500     Y:0.0000     Z:13.5000     U:0.2500     V:-0.7500", part);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(whole.field[k], part.field[k]);

  // A blank after the colon empties the field; a missing marker is reported.
  VertexFields h;
  processar("vc", ":  X: 1     Y:2     Z:3", h);
  EXPECT_EQ(h.field[1], "");
  VertexFields missing;
  EXPECT_FALSE(processar("vc", ":  X:1     Z:3", missing));
  EXPECT_EQ(missing.field[2], "");
  VertexFields untouched;
  untouched.field[1] = "kept";
  EXPECT_FALSE(processar("xy", ":  X:1     Y:2     Z:3", untouched));
  EXPECT_EQ(untouched.field[1], "kept");
}

TEST(ProcessingObjects, FaceAndVertexLinesOfTheWorkedExamples) {
  TestSession t;
  AseObject mesh = triangle("Tri");
  mesh.vertices[0] = {"-27.2500", "0.0000", "13.5000"};
  std::string asc = convert(t, {mesh});
  // Unmapped (no material table): indices come from the face line.
  expect_golden(asc, "processing/worked_example_unmapped.asc");

  TestSession m;
  AseObject mapped = triangle("Map", 0);
  mapped.vertices[2] = {"-27.2500", "0.0000", "13.5000"};
  mapped.tvertices[1] = {"0.2500", "-0.7500"};
  mapped.tfaces = {{1, 0, 2}};
  mapped.faces[0].smoothing = "1,2";
  // Output vertex 1 takes its position from the corner that uses texture vertex 1
  // (A, vertex 0); material and smoothing lines follow the face line.
  expect_golden(convert(m, {mapped}, {}, one_material), "processing/worked_example_mapped.asc");
}

TEST(ProcessingObjects, AxisAndTextureFlipsToggleSignsAsText) {
  AseObject mesh = triangle("M", 0);
  mesh.vertices[0] = {"1.0", "-2.5", "3.0"};
  mesh.tvertices[0] = {"0.5", "0.25"};
  mesh.tvertices[1] = {"0.5", "-0.75"};
  auto run = [&](Flags flags) {
    TestSession t;
    return crlf_lines(convert(t, {mesh}, flags, one_material));
  };
  auto axis = run({true, false});
  EXPECT_EQ(axis[4], "Vertex 0:  X:1.0     Y:3.0     Z:2.5     U:0.5     V:0.25");
  EXPECT_EQ(axis[5], "Vertex 1:  X:4     Y:6     Z:-5     U:0.5     V:-0.75");
  auto texture = run({false, true});
  EXPECT_EQ(texture[4], "Vertex 0:  X:1.0     Y:-2.5     Z:3.0     U:0.5     V:-0.25");
  EXPECT_EQ(texture[5], "Vertex 1:  X:4     Y:5     Z:6     U:0.5     V:0.75");

  // Unmapped: the axis flip drops nothing it had, and the texture flip changes nothing.
  TestSession u;
  AseObject plain = triangle("U");
  plain.vertices[0] = {"1.0", "2.5", "0.0"};
  plain.vertices.push_back({"5", "5", "5"});  // no face uses it: the default text, flipped
  auto lines = crlf_lines(convert(u, {plain}, {true, true}));
  EXPECT_EQ(lines[4], "Vertex 0:  X:1.0     Y:0.0     Z:-2.5");
  EXPECT_EQ(lines[7], "Vertex 3:  X:0.000000     Y:0.000000     Z:-0.000000");
}

TEST(ProcessingObjects, FlipsReadFieldsWithBlanksAsTheVertexTextSplits) {
  // A field holding a blank ends at the blank when the vertex text is split again.
  AseObject mesh = triangle("M", 0);
  mesh.vertices[0] = {"1 5", "-2", "3"};
  mesh.tvertices[0] = {"0.5", "0.2 5"};
  TestSession t;
  EXPECT_EQ(crlf_lines(convert(t, {mesh}, {true, true}, one_material))[4],
            "Vertex 0:  X:1     Y:3     Z:2     U:0.5     V:-0.2 5");
  // Without flips the texts are copied as they stand.
  TestSession u;
  EXPECT_EQ(crlf_lines(convert(u, {mesh}, {}, one_material))[4],
            "Vertex 0:  X:1 5     Y:-2     Z:3     U:0.5     V:0.2 5");
}

TEST(ProcessingObjects, MaterialIdsPickSlotsAndEmptySlotsGetNoLines) {
  AseObject multi = triangle("Multi", 0);
  multi.faces = {{0, 1, 2, 1, 1, 0, "1", 0},
                 {0, 1, 2, 1, 1, 0, "2", 4},
                 {0, 1, 2, 1, 1, 0, "3", 2},
                 {0, 1, 2, 1, 1, 0, "", 3}};
  multi.tfaces.assign(4, {0, 1, 2});
  AseObject single = triangle("Single", 1);
  single.faces[0].material_id = 7;  // a single material ignores the id
  AseObject unknown = triangle("Unknown", 2);
  AseObject plain = triangle("Plain", 3);

  TestSession t;
  load_analysed_scene(t, ase_scene({multi, single, unknown, plain}), 4);
  set_materials(t.session.scene, {{true,
                                   {{"A , a.tga", "", ""},
                                    {"[{empty material}] , [{empty material}]", "", ""},
                                    {"", "", ""},
                                    {"D , d.tga", "", ""}}},
                                  {false, {{"S , s.tga", "", ""}}},
                                  {false, {{"", "", ""}}},
                                  {false, {{"[{empty material}] , [{empty material}]", "", ""}}}});
  t.session.window.Check_all.value = 0;
  start_process(t.session);

  // Ids 0 and 4 (4 wraps to 0 of four slots) name A; 2 is an empty slot; 3 names D;
  // a single material ignores the id. A slot the analysis left empty keeps the
  // object mapped (U and V written) without material lines; the whole empty
  // entry makes it unmapped.
  expect_golden(t.folder.read("out.asc"), "processing/material_ids.asc");
  EXPECT_EQ(t.session.scene.valid_objects, 4);
}

TEST(ProcessingObjects, TheFilterComparesWholeNames) {
  const std::vector<AseObject> meshes = {triangle("Box01"), triangle("Box02"), triangle("box01"),
                                         triangle("Caf\xE9")};
  auto written = [&](const std::string& typed) {
    TestSession t;
    load_analysed_scene(t, ase_scene(meshes), 4);
    t.session.window.Text3.text = typed;
    start_process(t.session);
    return asc_names(t.folder.read("out.asc"));
  };
  EXPECT_EQ(written(""), "Box01;Box02;box01;Caf\xE9;");
  EXPECT_EQ(written("Box01,Box02"), "Box01;Box02;");
  EXPECT_EQ(written("Box01, Box02"), "Box01;");
  EXPECT_EQ(written("Caf\xC3\xA9"), "Caf\xE9;");  // typed in UTF-8, compared in cp1252
  EXPECT_EQ(written("Box0"), "");
}

TEST(ProcessingObjects, BrokenObjectsAreLeftOutAndNamed) {
  AseObject bad_vertex = triangle("BadVertex");
  bad_vertex.faces[0].c = 3;
  AseObject negative = triangle("Negative");
  negative.faces[0].a = -1;
  AseObject bad_texture = triangle("BadTexture", 0);
  bad_texture.tfaces[0] = {0, 1, 5};
  AseObject bad_ref = triangle("BadRef", 2);
  AseObject counts = triangle("Counts", 0);
  counts.tfaces.push_back({0, 1, 2});
  AseObject no_texture_faces = triangle("NoTFaces", 0);
  no_texture_faces.tfaces.clear();
  AseObject good = triangle("Good", 0);
  // An unmapped object does not use its texture faces.
  AseObject unmapped = triangle("Unmapped", 1);
  unmapped.tfaces[0] = {7, 8, 9};

  std::string ase = ase_scene(
      {bad_vertex, negative, bad_texture, bad_ref, counts, no_texture_faces, good, unmapped});
  // A face line without its "CA:" marker.
  ase += ase_object(triangle("Malformed", 0));
  ase.replace(ase.rfind("CA:"), 3, "XX:");
  // A last object cut off by the end of the file.
  std::string cut = ase_object(triangle("Cut", 0));
  ase += cut.substr(0, cut.find("*MESH_TFACELIST"));

  TestSession t;
  load_analysed_scene(t, ase, 10);
  set_materials(t.session.scene, {{false, {{"Mat , t.tga", "", ""}}},
                                  {false, {{"[{empty material}] , [{empty material}]", "", ""}}}});
  t.session.window.Check_all.value = 0;
  start_process(t.session);

  std::string asc = t.folder.read("out.asc");
  EXPECT_NE(asc.find("Named object: \"Good\""), std::string::npos);
  EXPECT_NE(asc.find("Named object: \"Unmapped\""), std::string::npos);
  EXPECT_EQ(asc.find("Named object: \"Bad"), std::string::npos);
  EXPECT_EQ(t.session.scene.valid_objects, 2);

  std::vector<std::pair<std::string, std::string>> skipped;
  for (const auto& s : t.session.scene.skipped_objects) skipped.push_back({s.name, s.reason});
  EXPECT_EQ(skipped,
            (std::vector<std::pair<std::string, std::string>>{
                {"BadVertex", "face 0 refers to vertex 3, but the object has 3 vertices"},
                {"Negative", "face 0 refers to vertex -1, but the object has 3 vertices"},
                {"BadTexture",
                 "face 0 refers to mapping vertex 5, but the object has 3 mapping vertices"},
                {"BadRef", "its material reference 2 is not in the material list of 2 materials"},
                {"Counts", "it has 1 faces but 2 mapping faces"},
                {"NoTFaces", "it has 1 faces but 0 mapping faces"},
                {"Malformed", "its face line 0 lacks the expected fields"},
                {"Cut", "the file ends inside the object"}}));

  // The material file was not asked for: its warning, then the list, then "Finished".
  ASSERT_EQ(t.prompt.messages.size(), 3u);
  EXPECT_EQ(t.prompt.messages[0].style, 64);
  const auto& list = t.prompt.messages[1];
  EXPECT_EQ(list.style, 48);
  EXPECT_EQ(list.title, "Warning");
  EXPECT_EQ(list.text.substr(0, list.text.find(", but")),
            "These objects were NOT included in the processed scene:\n\"BadVertex\": face 0 "
            "refers to vertex 3");
  EXPECT_NE(list.text.find("\n\"Cut\": the file ends inside the object"), std::string::npos);
  EXPECT_EQ(t.prompt.messages[2].title, "Finished");
}

TEST(ProcessingObjects, AnObjectWithoutItsLastLinesDoesNotSwallowTheNext) {
  std::string first = ase_object(triangle("First"));
  first = first.substr(0, first.find("\t*PROP_MOTIONBLUR"));  // the object ends after its mesh
  std::string ase = ase_scene({}) + first + ase_object(triangle("Second"));
  TestSession t;
  load_analysed_scene(t, ase, 2);
  start_process(t.session);
  EXPECT_EQ(t.folder.read("out.asc").find("Named object: \"Second\""), 0u);
  ASSERT_EQ(t.session.scene.skipped_objects.size(), 1u);
  EXPECT_EQ(t.session.scene.skipped_objects[0].reason,
            "its block ends before its *PROP_RECVSHADOW line");
}

TEST(ProcessingObjects, ObjectsTheAnalysisReportedArePassedOverSilently) {
  AseObject no_faces = triangle("NoFaces");
  no_faces.faces.clear();
  no_faces.tfaces.clear();
  AseObject no_vertices = triangle("NoVertices");
  no_vertices.vertices.clear();
  AseObject no_tvertices = triangle("NoTVertices");
  no_tvertices.tvertices.clear();
  std::string ase = ase_scene({no_faces, no_vertices, no_tvertices, triangle("Kept")});
  // More than 65535 faces: only the count line matters, the object is passed over before its lists.
  std::string big = ase_object(triangle("Big"));
  big.replace(big.find("*MESH_NUMFACES 1"), 16, "*MESH_NUMFACES 65536");
  ase += big;

  TestSession t;
  load_analysed_scene(t, ase, 5);
  start_process(t.session);
  EXPECT_EQ(t.folder.read("out.asc").find("Named object: \"Kept\""), 0u);
  EXPECT_EQ(t.session.scene.valid_objects, 1);
  EXPECT_TRUE(t.session.scene.skipped_objects.empty());
  EXPECT_EQ(t.prompt.titles(), (std::vector<std::string>{"Finished"}));
}

}  // namespace
}  // namespace meshmill::testing
