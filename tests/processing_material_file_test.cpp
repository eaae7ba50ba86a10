// The material file and the placeholder pixelmaps, byte by byte.
#include <gtest/gtest.h>

#include "app/scene_commands.h"
#include "processing/material_templates.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

std::string hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (char byte : bytes) {
    auto c = static_cast<unsigned char>(byte);
    if (!out.empty()) out += ' ';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

std::string unhex(std::string text) {
  std::string out;
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    out += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
  }
  return out;
}

const std::string file_info = unhex("00000012 00000008 00000005 00000002");
const std::string chunk_head = unhex("0000003C 00000050");
const std::string body_two_sided = unhex(
    "FF 3DCCCCCD 3F333333 00000000 41A00000 00001021 3F800000 00000000 00000000 3F800000 "
    "00000000 00000000 0A 1F 000000000000000000000000000000");
const std::string end_chunk = unhex("00 00000000 00000000");

// Runs the processing over one triangle with the given materials; returns the .mat.
struct MatRun {
  TestSession t;
  bool express = false;
  std::string run(const std::vector<MaterialSpec>& materials, int check2 = 1, int check6 = 0) {
    if (t.session.scene.fich.empty()) load_analysed_scene(t, ase_scene({triangle("T", 0)}), 1);
    set_materials(t.session.scene, materials);
    t.session.window.Check2.value = check2;
    t.session.window.Check6.value = check6;
    start_process(t.session, express);
    return t.folder.read("out.mat");
  }
};

TEST(ProcessingMaterialFile, TemplatesHoldTheirBytes) {
  const MaterialTemplates& t = material_templates();
  EXPECT_EQ(t.inicio, file_info);
  EXPECT_EQ(t.inicio_mat_before_color, chunk_head);
  EXPECT_EQ(t.inicio_mat_twosided, body_two_sided);
  std::string one_sided = body_two_sided;
  one_sided[19] = 0;
  EXPECT_EQ(t.inicio_mat_onesided, one_sided);
  EXPECT_EQ(hex(t.rest_mat_normal), "00 00 00 00 1C 00 00 00 04");
  EXPECT_EQ(t.rest_mat_empty, end_chunk);
  EXPECT_EQ(t.end_mat, end_chunk);
  EXPECT_EQ(t.inicio_pix.size(), 54u);
  EXPECT_EQ(hex(t.fim_pix), "00 00 00 00 00 00 00 00");
}

TEST(ProcessingMaterialFile, ChunksOfTexturedAndPlainMaterials) {
  MatRun textured;
  EXPECT_EQ(textured.run({{false, {{"Road , C:\\maps/sub:dir\\road.v2.tga", "1\t0\t0.5", ""}}}}),
            file_info + chunk_head + unhex("FF 00 80") + body_two_sided + "Road" +
                unhex("00 0000001C 00000004") + "road.v2" + end_chunk);

  // No texture; a 30-character name keeps the length field 80; one-sided.
  MatRun plain;
  std::string name(30, 'N');
  std::string one_sided = body_two_sided;
  one_sided[19] = 0;
  EXPECT_EQ(plain.run({{false, {{name + " , [{empty material}]", "", ""}}}}, 0),
            file_info + chunk_head + unhex("FF FF FF") + one_sided + name + end_chunk);

  // Empty slots write nothing at all.
  MatRun empty;
  EXPECT_EQ(empty.run({{true,
                        {{"[{empty material}] , [{empty material}]", "0.5\t0.5\t0.5", "0.5"},
                         {"", "", ""}}}}),
            file_info);
}

TEST(ProcessingMaterialFile, ColoursRoundHalfToEvenAndClamp) {
  MatRun run;
  std::string mat = run.run({{true,
                              {{"A , a", "0.5\t0.3\t1.5", ""},
                               {"B , b", "-0.2\tabc\t0.0019", ""},
                               {"C , c", "0.998\t0.9", ""}}}});
  auto colour_at = [&](std::size_t chunk_start) { return hex(mat.substr(chunk_start + 8, 3)); };
  std::size_t first = 16, second = first + 8 + 3 + 62 + 1 + 9 + 1 + 9;
  std::size_t third = second + 8 + 3 + 62 + 1 + 9 + 1 + 9;
  EXPECT_EQ(colour_at(first), "80 4C FF");   // 127.5 -> 128, 76.5 -> 76, 382.5 -> 255
  EXPECT_EQ(colour_at(second), "00 00 00");  // below 0, not a number, 0.48 -> 0
  EXPECT_EQ(colour_at(third), "FE E6 00");   // 254.49 -> 254, 229.5 -> 230, missing -> 0

  // The white option empties the colours of the table: a second run is white too.
  MatRun white;
  const std::vector<MaterialSpec> coloured = {{false, {{"A , a", "0.5\t0.3\t1.5", ""}}}};
  EXPECT_EQ(hex(white.run(coloured, 1, 1).substr(24, 3)), "FF FF FF");
  EXPECT_EQ(white.t.session.scene.mat_colors.at(0, 0), "");
}

TEST(ProcessingMaterialFile, TransparencyMakesPlaceholdersOrOpacityLines) {
  MatRun run;
  run.run({{true,
            {{"(Extra material_1) , (Extra_mat_1)", "", "0.5"},
             {"(Extra material_2) , (Extra_mat_2)", "", "1.0"},
             {"Glass , glass", "", "0.4"},
             {"(Extra material_3) , (Extra_mat_3)", "", "0"},
             {"Tinted,Blue , blue", "", "0.25"}}}});
  std::string pix_head = unhex(
      "00000012 00000008 00000002 00000002 0000003D 0000000E 12 0008 0004 0004 0000 0000 0000 00 "
      "00000021 00000028 00000010 00000002");
  auto pix = [&](const std::string& name) {
    return read_file(run.t.folder.file("PIX16") + "/" + name + ".pix");
  };
  auto pixels = [](const char* pair) {
    std::string out;
    for (int i = 0; i < 16; ++i) out += unhex(pair);
    return out;
  };
  EXPECT_EQ(pix("(Extra_mat_1)"), pix_head + pixels("8F FF") + unhex("00000000 00000000"));
  EXPECT_EQ(pix("(Extra_mat_1)").size(), 94u);
  EXPECT_EQ(pix("(Extra_mat_2)"), pix_head + pixels("FF FF") + unhex("00000000 00000000"));
  EXPECT_EQ(pix("(Extra_mat_3)"), pix_head + pixels("0F FF") + unhex("00000000 00000000"));
  EXPECT_EQ(run.t.folder.read("special_materials.txt"),
            "Multimat. 0, submat. 2 : Glass | Opacity rgb setting : 102,102,102\r\n"
            "Multimat. 0, submat. 4 : Tinte | Opacity rgb setting : 64,64,64\r\n");
  EXPECT_FALSE(run.t.session.scene.special_mats);
  EXPECT_TRUE(run.t.folder.exists("PIX16"));
}

TEST(ProcessingMaterialFile, SpecialMaterialsFileGoesWhenEmptyAndStaysWithAnalysisLines) {
  MatRun empty;
  empty.run({{false, {{"A , a", "", ""}}}});
  EXPECT_FALSE(empty.t.folder.exists("special_materials.txt"));
  EXPECT_FALSE(empty.t.folder.exists("PIX16"));  // nothing went into it

  MatRun kept;
  load_analysed_scene(kept.t, ase_scene({triangle("T", 0)}), 1);
  kept.t.session.scene.special_mats->write_line("Material 'A' (0) : analysis line");
  kept.run({{false, {{"A , a", "", ""}}}});
  EXPECT_EQ(kept.t.folder.read("special_materials.txt"), "Material 'A' (0) : analysis line\r\n");
}

TEST(ProcessingMaterialFile, AnExistingMaterialFileIsReplacedAfterAWarning) {
  MatRun run;
  load_analysed_scene(run.t, ase_scene({triangle("T", 0)}), 1);
  // Express mode derives the target from the input's name.
  run.t.folder.write("scene.mat", "old");
  run.express = true;
  run.run({{false, {{"A , a", "", ""}}}});
  EXPECT_EQ(run.t.folder.read("scene.mat").substr(0, 16), file_info);
  EXPECT_EQ(run.t.prompt.messages[0],
            (ScriptedPrompt::Message{
                "This 3d scene does have materials so a .mat file is required to be created. But "
                "it already exists a .mat file with the same name as the chosen final project "
                "name. Since it's not possible to skip this, if you want to preserve it, please "
                "switch to windows explorer and backup it, or/and press OK here when done to "
                "continue the criation of the new .mat file.",
                48, "Warning"}));
  // The warning ends express mode: the program asks instead of closing by itself.
  EXPECT_EQ(run.t.prompt.messages.back().style, 4);
  EXPECT_FALSE(run.t.session.quit_requested);

  MatRun quiet;
  load_analysed_scene(quiet.t, ase_scene({triangle("T", 0)}), 1);
  quiet.t.folder.write("out.mat", "old");
  quiet.t.session.window.Check4.value = 1;
  quiet.run({{false, {{"A , a", "", ""}}}});
  EXPECT_EQ(quiet.t.prompt.titles(), (std::vector<std::string>{"Finished"}));
}

}  // namespace
}  // namespace meshmill::testing
