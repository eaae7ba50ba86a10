// The material pass: the table of materials and sub-materials, and the texture
// names longer than Plaything2 takes.
#include <gtest/gtest.h>

#include "analysis/material_analysis.h"
#include "app/window_settings.h"
#include "platform/paths.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

// A scene file and a session as the analysis driver leaves them before the
// material pass: `fich` set, the error log and the special-materials file open.
struct MaterialScene : TestSession {
  // Writes `text` (LF line ends are written CR LF, as 3ds Max does) as scene.ase.
  explicit MaterialScene(const std::string& text) {
    session.scene.fich = folder.write("scene.ase", crlf(text));
    session.scene.logerrors = fs.create(folder.file("error_log.txt"), CreateMode::direct, nullptr);
    session.scene.special_mats =
        fs.create(folder.file("special_materials.txt"), CreateMode::direct, nullptr);
  }
  PassOutcome analyse() { return analyse_materials(session, settings_from_window(session.window)); }
  // The special-materials lines written so far.
  std::string special_materials() {
    session.scene.special_mats->close();
    return folder.read("special_materials.txt");
  }
  const std::string& name(std::size_t m, std::size_t s = 0) const {
    return session.scene.mat_names.at(m, s);
  }
};

// The material table, a line "m,s: name | colours | opacity" for each slot.
std::string table(const SceneState& scene) {
  std::string out;
  for (std::size_t m = 0; m < scene.mat_names.rows(); ++m) {
    for (std::size_t s = 0; s < scene.mat_names.columns(); ++s) {
      out += std::to_string(m) + "," + std::to_string(s) + ": " + scene.mat_names.at(m, s) + " | " +
             scene.mat_colors.at(m, s) + " | " + scene.mat_opacity.at(m, s) + "\n";
    }
  }
  return out;
}

// A scene whose list holds `materials` under the given count, and one object.
std::string scene_with_materials(int count, const std::string& materials) {
  return ase_header(count, crlf(materials)) + ase_object(AseObject{});
}

const Message invalid_file{"This .ase file is invalid, make sure you don't edit it manually.", 16,
                           "Error"};

// Eight materials: one of each branch of the scan.
// Eight materials: one of each branch of the scan.
const std::string every_branch =
    read_file(std::string(MESHMILL_TEST_DATA) + "/materials/every_branch.txt");

TEST(MaterialScan, FillsOneSlotPerMaterialAndSubMaterial) {
  MaterialScene t(scene_with_materials(8, every_branch));
  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  const SceneState& scene = t.session.scene;
  EXPECT_TRUE(t.prompt.messages.empty());
  EXPECT_EQ(scene.project_mapped, 1);
  EXPECT_EQ(scene.nr_mapped_objs, 8);
  EXPECT_EQ(scene.nr_max_mats2, 3);
  EXPECT_EQ(scene.submat_count, (std::vector<std::int64_t>{0, 0, 0, 3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(scene.nr_submats, (std::vector<std::int64_t>{0, 0, 0, 2, 0, 0, 0, 0, 0}));
  EXPECT_EQ(scene.mat_names.rows(), 9u);
  EXPECT_EQ(scene.mat_names.columns(), 4u);

  // Standard: the bitmap path; white without map: empty; GTA: the map's name and
  // the texture's base name with ".tga"; a standard sub-material's texture: the
  // base name; colour or transparency without texture: an extra material; an
  // unknown class: empty slots, the materials after it read in step.
  expect_golden(table(scene), "materials/every_branch.table.txt");
  EXPECT_EQ(scene.extra_mats,
            (std::vector<std::string>{
                "(Extra material_1) , (Extra_mat_1) , 0.5000 , 0.2000\t0.3000\t0.4000",
                "(Extra material_3) , (Extra_mat_1) , 0.5000 , -1",
                "(Extra material_4) , (Extra_mat_4) , 0.2500 , 0.1000\t0.1000\t0.1000"}));

  // Only coloured ambient lines are compared with their diffuse line.
  EXPECT_EQ(t.special_materials(),
            "Multimat. 3, submat. 1 : this material has different 'ambient' and 'diffuse' "
            "settings, only the 'ambient' color was used.\r\n"
            "Material 'Red' (4) : this material has different 'ambient' and 'diffuse' settings, "
            "so only the 'ambient' color was used.\r\n");
  EXPECT_GT(t.pump.yields, 0);
}

TEST(MaterialScan, NoMaterialsLeavesTheTableAlone) {
  MaterialScene t(scene_with_materials(0, ""));
  t.session.scene.mat_names.reset(2, 1);
  t.session.scene.mat_names.at(1, 0) = "earlier , scene.tga";
  t.session.scene.project_mapped = 1;
  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_EQ(t.session.scene.project_mapped, 0);
  EXPECT_EQ(t.session.scene.nr_mapped_objs, 0);
  EXPECT_EQ(t.name(1), "earlier , scene.tga");
  EXPECT_EQ(t.session.scene.submat_count, (std::vector<std::int64_t>{0}));

  // 3ds Max writes -1 for a scene without any material.
  MaterialScene none(scene_with_materials(-1, ""));
  ASSERT_EQ(none.analyse(), PassOutcome::completed);
  EXPECT_EQ(none.session.scene.project_mapped, 0);

  // Without a material list the scene simply has no materials, and the end
  // of the file past the list (objects the passes see in lower case) only
  // ends the pass.
  for (const char* text : {"*SCENE {\n}\n*GEOMOBJECT {\n\t*NODE_NAME \"Box01\"\n}\n",
                           "*SCENE {\n}\n*geomobject {\n\t*NODE_NAME \"Box01\"\n}\n"}) {
    MaterialScene unlisted(text);
    ASSERT_EQ(unlisted.analyse(), PassOutcome::completed);
    EXPECT_EQ(unlisted.session.scene.project_mapped, 0);
    EXPECT_TRUE(unlisted.prompt.messages.empty());
  }
  std::string lower_case_object = scene_with_materials(0, "");
  lower_case_object.replace(lower_case_object.find("*GEOMOBJECT"), 11, "*geomobject");
  MaterialScene lower(lower_case_object);
  EXPECT_EQ(lower.analyse(), PassOutcome::completed);
}

TEST(MaterialScan, SkipsSubMaterialsPastTheirCount) {
  // Two sub-material blocks under a count of 1: the second is passed over
  // and the next material is read in step. The list ends on the first object.
  MaterialScene t(
      read_file(std::string(MESHMILL_TEST_DATA) + "/materials/sub_materials_past_their_count.ase"));
  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_TRUE(t.prompt.messages.empty());
  EXPECT_EQ(t.name(0), "(Extra material_1) , [{empty material}]");
  EXPECT_EQ(t.name(0, 1), "");
  EXPECT_EQ(t.name(1), "");
  EXPECT_EQ(t.session.scene.submat_count, (std::vector<std::int64_t>{1, 2, 0}));
  EXPECT_EQ(t.session.scene.nr_max_mats2, 2);
}

TEST(MaterialScan, RefusesListsThatDoNotHoldWhatTheyAnnounce) {
  const std::string one_material = R"(	*MATERIAL 0 {
		*MATERIAL_NAME "Only"
		*MATERIAL_CLASS "Standard"
		*MATERIAL_WIRESIZE 1.0000
	}
)";
  const std::string multi_of_one = R"(	*MATERIAL 0 {
		*MATERIAL_NAME "Multi"
		*MATERIAL_CLASS "Multi/Sub-Object"
		*MATERIAL_WIRESIZE 1.0000
		*NUMSUBMTLS 30000
		*SUBMATERIAL 0 {
			*MATERIAL_NAME "First"
			*MATERIAL_CLASS "Standard"
		}
	}
)";
  const std::string endless_sub = R"(	*MATERIAL 0 {
		*MATERIAL_NAME "Multi"
		*MATERIAL_CLASS "Multi/Sub-Object"
		*MATERIAL_WIRESIZE 1.0000
		*NUMSUBMTLS 99999
	}
)";
  const std::string cut_short =
      "*MATERIAL_LIST {\n\t*MATERIAL_COUNT 1\n" + one_material.substr(0, 60);
  const std::vector<std::string> broken = {
      scene_with_materials(2, one_material),      // a count larger than the materials present
      scene_with_materials(32767, one_material),  // a huge one
      scene_with_materials(1, multi_of_one),      // fewer sub-materials than announced
      scene_with_materials(1, endless_sub),       // a sub-material count beyond 16 bits
      "*MATERIAL_LIST {\n\t*MATERIAL_COUNT many\n}\n*GEOMOBJECT {\n}\n",
      "*MATERIAL_LIST {\n\t*MATERIAL_COUNT 40000\n}\n*GEOMOBJECT {\n}\n",
      cut_short,  // the end of the file inside the list
  };
  for (const std::string& text : broken) {
    MaterialScene t(text);
    EXPECT_EQ(t.analyse(), PassOutcome::stopped) << text;
    EXPECT_EQ(t.prompt.messages, Messages{invalid_file}) << text;
  }
}

TEST(MaterialScan, ReportsAnUnreadableScene) {
  MaterialScene t(scene_with_materials(0, ""));
  t.session.scene.fich = t.folder.file("gone.ase");
  EXPECT_EQ(t.analyse(), PassOutcome::stopped);
  ASSERT_EQ(t.prompt.messages.size(), 1u);
  EXPECT_EQ(t.prompt.messages[0].text.rfind(
                "The file " + t.folder.file("gone.ase") + " couldn't be opened: ", 0),
            0u);
  EXPECT_EQ(t.prompt.messages[0].style, 16);
  EXPECT_EQ(t.prompt.messages[0].title, "Error");
}

// The mark of an automatic short name: "«" in the table (Windows-1252) and on disk (UTF-8).
const std::string mark = "\xAB";
const std::string mark_on_disk = "\u00AB";

// Material `m` from a template of tests/data/materials/ whose map uses `bitmap`.
std::string material_from(const char* name, int m, const std::string& bitmap) {
  std::string text = read_file(std::string(MESHMILL_TEST_DATA) + "/materials/" + name + ".txt");
  for (std::size_t at; (at = text.find("@M@")) != std::string::npos;) {
    text.replace(at, 3, std::to_string(m));
  }
  return text.replace(text.find("@BITMAP@"), 8, bitmap);
}

// A top-level GTA material, and a multi/sub-object material with one GTA sub-material.
std::string gta_material(int m, const std::string& bitmap) {
  return material_from("gta_material", m, bitmap);
}
std::string multi_with_gta(int m, const std::string& bitmap) {
  return material_from("multi_with_gta", m, bitmap);
}

const Message backup_warning{
    "Textures files with more than 15 characters were found, so each renamed file will be "
    "backuped with their original name, with a textension .ti make sure you restore them "
    "immediatly in case the processing is cancelled.",
    64, "Warning"};

std::string name_prompt(const std::string& base) {
  return "The texture file \"" + base +
         "\" has more than 15 characters, you have to manually enter a new shorter name (without "
         "extension or path indicators!). If this appears too many times, it's recommended to "
         "cancel this and the processing, and turning on the automatic shortening of filenames, "
         "but in that case you will have to restore the original names of the files using the "
         "backups, if not the program won't find the textures with the original names.";
}

struct TextureScene : MaterialScene {
  TextureScene(int count, const std::string& materials, const char* texture_folder = "TIFFRGB")
      : MaterialScene(scene_with_materials(count, materials)), textures(texture_folder) {
    std::filesystem::create_directory(folder.file(textures));
    session.window.Check5.value = 0;
  }
  void add_texture(const std::string& name) { folder.write(textures + "/" + name, "TIF:" + name); }
  bool has_texture(const std::string& name) const { return folder.exists(textures + "/" + name); }
  std::string texture(const std::string& name) const { return folder.read(textures + "/" + name); }

  std::string textures;
};

TEST(TextureNames, ShortensLongNamesAutomaticallyOnce) {
  TextureScene t(4,
                 gta_material(0, "C:\\maps\\averylongtexturename.tga") +
                     gta_material(1, "C:\\maps\\exactly15charsx.tga") +
                     gta_material(2, "C:\\maps\\sixteen_chars_xx.tga") +
                     gta_material(3, "D:/other/AVeryLongTextureName.tga"),
                 "tiffrgb");
  t.session.window.Check1.value = 1;
  t.add_texture("AVeryLongTextureName.TIF");
  t.add_texture("exactly15charsx.tif");
  t.add_texture("sixteen_chars_xx.tif");

  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_EQ(t.prompt.messages, Messages{backup_warning});
  EXPECT_EQ(t.name(0), "map0 , averylongte" + mark + "0.tga");
  EXPECT_EQ(t.name(1), "map1 , exactly15charsx.tga");
  EXPECT_EQ(t.name(2), "map2 , sixteen_cha" + mark + "1.tga");
  // The file was found without regard to letter case, and so is the name.
  EXPECT_EQ(t.name(3), "map3 , averylongte" + mark + "0.tga");

  // On disk the new names are UTF-8; the backups keep the original bytes.
  EXPECT_EQ(t.texture("averylongte" + mark_on_disk + "0.tif"), "TIF:AVeryLongTextureName.TIF");
  EXPECT_EQ(t.texture("AVeryLongTextureName.ti"), "TIF:AVeryLongTextureName.TIF");
  EXPECT_FALSE(t.has_texture("AVeryLongTextureName.TIF"));
  EXPECT_EQ(t.texture("sixteen_cha" + mark_on_disk + "1.tif"), "TIF:sixteen_chars_xx.tif");
  EXPECT_TRUE(t.has_texture("sixteen_chars_xx.ti"));
  EXPECT_TRUE(t.has_texture("exactly15charsx.tif"));

  const SceneState& scene = t.session.scene;
  EXPECT_EQ(scene.big_matfilenames, 1);
  EXPECT_EQ(scene.bigmat_warn, 1);
  EXPECT_FALSE(scene.short_names_typed);
  EXPECT_EQ(scene.num_bigmat, 2);
  EXPECT_EQ(scene.bigmat_names[0], "averylongtexturename.tga , averylongte" + mark + "0.tga");
}

TEST(TextureNames, SharedLongTextureIsRenamedOnce) {
  TextureScene t(3, gta_material(0, "C:\\maps\\averylongtexturename.tga") +
                        gta_material(1, "C:\\maps\\averylongtexturename.tga") +
                        multi_with_gta(2, "averylongtexturename.tga"));
  t.session.window.Check1.value = 1;
  t.session.scene.bigmat_warn = 1;  // shown by an earlier analysis
  t.add_texture("averylongtexturename.tif");
  // A file left by another scene already holds the first automatic name.
  t.add_texture("averylongte" + mark_on_disk + "0.tif");

  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_TRUE(t.prompt.messages.empty());
  EXPECT_EQ(t.name(0), "map0 , averylongte" + mark + "1.tga");
  EXPECT_EQ(t.name(1), "map1 , averylongte" + mark + "1.tga");
  EXPECT_EQ(t.name(2, 0), "submap , averylongte" + mark + "1.tga");
  EXPECT_EQ(t.texture("averylongte" + mark_on_disk + "0.tif"),
            "TIF:averylongte" + mark_on_disk + "0.tif");
  EXPECT_EQ(t.texture("averylongte" + mark_on_disk + "1.tif"), "TIF:averylongtexturename.tif");
  EXPECT_EQ(t.session.scene.num_bigmat, 1);
}

TEST(TextureNames, KeepsFifteenCharactersPastTheThousandthTexture) {
  std::string materials;
  TextureScene t(1001, "");
  for (int m = 0; m < 1001; ++m) {
    char base[32];
    std::snprintf(base, sizeof base, "texture_number_%04d", m);
    materials += gta_material(m, std::string("C:\\maps\\") + base + ".tga");
    t.add_texture(std::string(base) + ".tif");
  }
  t.folder.write("scene.ase", scene_with_materials(1001, materials));
  t.session.window.Check1.value = 1;

  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_EQ(t.name(999), "map999 , texture_num" + mark + "999.tga");
  EXPECT_EQ(t.name(1000), "map1000 , texture_nu" + mark + "1000.tga");
  EXPECT_EQ(t.texture("texture_nu" + mark_on_disk + "1000.tif"), "TIF:texture_number_1000.tif");
}

TEST(TextureNames, LeavesNamesAloneWhenRenamingIsOff) {
  TextureScene t(1, gta_material(0, "C:\\maps\\averylongtexturename.tga"));
  t.session.window.Check5.value = 1;
  t.session.window.Check1.value = 1;
  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_EQ(t.name(0), "map0 , averylongtexturename.tga");
  EXPECT_TRUE(t.prompt.messages.empty());
  EXPECT_EQ(t.session.scene.big_matfilenames, 0);
}

TEST(TextureNames, AsksUntilTheTypedNameIsAcceptable) {
  TextureScene t(2, gta_material(0, "C:\\maps\\averylongtexturename.tga") +
                        multi_with_gta(1, "C:\\maps\\anotherlongtexture.tga"));
  t.add_texture("averylongtexturename.tif");
  t.add_texture("anotherlongtexture.tif");
  t.add_texture("Taken.tif");
  t.add_texture("[{empty material}].tif");
  t.prompt.inputs = {"taken",
                     "..\\up",
                     "a/b",
                     "sixteen_chars_xx",
                     "[{Empty Material}]",
                     "short",
                     "[{EMPTY MATERIAL}]",
                     "r\u00E9sum\u00E9"};

  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  const Message taken{
      "You cannot choose this name since there is already a texture file with "
      "this name!",
      16, "Error"};
  const Message outside{
      "You cannot choose this name since it holds a path separator (\\, / or :) or \"..\", so it "
      "would rename a file outside the TIFFRGB folder.",
      16, "Error"};
  const Message too_long{"Didn't you readed the warning ?! No more than 15 characters allowed!!",
                         16, "Warning"};
  const Message reserved{
      "You cannot choose this name since it's used internally by this program "
      "to represent empty materials.",
      16, "Error"};
  // A top-level material tests the existing file first, a sub-material the marker.
  EXPECT_EQ(t.prompt.messages,
            (Messages{backup_warning, taken, outside, outside, too_long, taken, reserved}));
  ASSERT_EQ(t.prompt.input_requests.size(), 8u);
  EXPECT_EQ(t.prompt.input_requests[0].prompt, name_prompt("averylongtexturename"));
  EXPECT_EQ(t.prompt.input_requests[0].title, "Warning");
  EXPECT_EQ(t.prompt.input_requests[0].default_text, "averylongtexturename");
  EXPECT_EQ(t.prompt.input_requests[6].default_text, "anotherlongtexture");

  EXPECT_EQ(t.name(0), "map0 , short.tga");
  EXPECT_EQ(t.name(1, 0), "submap , r\xE9sum\xE9.tga");
  EXPECT_EQ(t.texture("short.tif"), "TIF:averylongtexturename.tif");
  EXPECT_EQ(t.texture("r\u00E9sum\u00E9.tif"), "TIF:anotherlongtexture.tif");
  EXPECT_TRUE(t.has_texture("averylongtexturename.ti"));
  EXPECT_TRUE(t.has_texture("anotherlongtexture.ti"));
  EXPECT_FALSE(t.folder.exists("up.tif"));
  EXPECT_TRUE(t.session.scene.short_names_typed);
  EXPECT_EQ(t.session.scene.bigmat_names,
            (std::vector<std::string>{"averylongtexturename.tga , short.tga",
                                      "anotherlongtexture.tga , r\xE9sum\xE9.tga"}));
}

TEST(TextureNames, CancelAndMissingFileStopTheAnalysis) {
  TextureScene cancelled(1, gta_material(0, "C:\\maps\\averylongtexturename.tga"));
  cancelled.add_texture("averylongtexturename.tif");
  EXPECT_EQ(cancelled.analyse(), PassOutcome::stopped);
  EXPECT_EQ(
      cancelled.prompt.messages,
      (Messages{backup_warning,
                {"Importing of 3d scene cancelled, remember to restore the original names of the "
                 "renamed files with the backuped texture files.",
                 16, "Cancelled"}}));
  EXPECT_TRUE(cancelled.has_texture("averylongtexturename.tif"));
  EXPECT_FALSE(cancelled.has_texture("averylongtexturename.ti"));

  TextureScene missing(1, gta_material(0, "C:\\maps\\averylongtexturename.tga"));
  missing.session.window.Check1.value = 1;
  EXPECT_EQ(missing.analyse(), PassOutcome::stopped);
  EXPECT_EQ(
      missing.prompt.messages,
      (Messages{{"One of the texture files of the 3dscene that has more than 15 characters is "
                 "missing (\"averylongtexturename\") you should have ALL the texture files in the "
                 "corresponding TIFFRGB folder in .tif file format before processing a 3d scene. "
                 "The importing of this 3d scene is cancelled.",
                 16, "Error"}}));
}

TEST(TextureNames, FailedBackupNamesThePathAndStops) {
  TextureScene t(1, gta_material(0, "C:\\maps\\averylongtexturename.tga"));
  t.add_texture("averylongtexturename.tif");
  t.fs.fail_copy = true;
  t.fs.reason = "Read-only file system";
  t.session.window.Check1.value = 1;

  EXPECT_EQ(t.analyse(), PassOutcome::stopped);
  std::string textures = t.folder.file("TIFFRGB");
  EXPECT_EQ(
      t.prompt.messages,
      (Messages{backup_warning,
                {"The file " + join_path(textures, "averylongtexturename.tif") +
                     " couldn't be copied to " + join_path(textures, "averylongtexturename.ti") +
                     ": Read-only file system",
                 16, "Error"}}));
  EXPECT_TRUE(t.has_texture("averylongtexturename.tif"));
}

TEST(TextureNames, SampleTrackShortensItsBarrierTexture) {
  MaterialScene t("");
  t.session.scene.fich = copy_examples(t.folder);
  t.session.window.Check5.value = 0;
  t.session.window.Check1.value = 1;

  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_EQ(t.prompt.messages, Messages{backup_warning});
  EXPECT_EQ(t.name(0), "Asphalt , C:\\3dsmax\\maps\\asphalt.tga");
  EXPECT_EQ(t.name(1), "barrier_map , roadside_ba" + mark + "0.tga");
  EXPECT_EQ(t.name(2, 0), "Brick , brick");
  EXPECT_EQ(t.name(2, 1), "roof_tiles , roof.tga");
  EXPECT_EQ(t.name(2, 2), "(Extra material_1) , (Extra_mat_1)");
  EXPECT_EQ(t.name(3), "(Extra material_2) , [{empty material}]");
  EXPECT_TRUE(t.folder.exists("TIFFRGB/roadside_ba" + mark_on_disk + "0.tif"));
  EXPECT_TRUE(t.folder.exists("TIFFRGB/roadside_barrier_long.ti"));
  EXPECT_EQ(t.special_materials(),
            "Material 'Paint_red' (3) : this material has different 'ambient' and 'diffuse' "
            "settings, so only the 'ambient' color was used.\r\n");
}

}  // namespace
}  // namespace meshmill::testing
