#include <gtest/gtest.h>

#include "platform/forwarding_file_system.h"
#include "platform/paths.h"
#include "support/material_scene.h"

namespace meshmill {
namespace {

using testing::MaterialScene;
using testing::scene_with_materials;
using Message = testing::ScriptedPrompt::Message;

// The mark of an automatic short name: "«" in the table (Windows-1252) and on disk (UTF-8).
const std::string mark = "\xAB";
const std::string mark_on_disk = "\u00AB";

// A top-level GTA material whose map uses `bitmap`.
std::string gta_material(int m, const std::string& bitmap) {
  std::string number = std::to_string(m);
  return "\t*MATERIAL " + number +
         " {\n"
         "\t\t*MATERIAL_NAME \"Material #" +
         number +
         "\"\n"
         "\t\t*MATERIAL_CLASS \"GTA Material\"\n"
         "\t\t*MATERIAL_AMBIENT 1.0000\t1.0000\t1.0000\n"
         "\t\t*MATERIAL_DIFFUSE 1.0000\t1.0000\t1.0000\n"
         "\t\t*MATERIAL_TRANSPARENCY 0.0000\n"
         "\t\t*MATERIAL_WIRESIZE 1.0000\n"
         "\t\t*MAP_DIFFUSE {\n"
         "\t\t\t*MAP_NAME \"map" +
         number +
         "\"\n"
         "\t\t\t*MAP_CLASS \"Bitmap\"\n"
         "\t\t\t*BITMAP \"" +
         bitmap +
         "\"\n"
         "\t\t\t*MAP_TYPE Screen\n"
         "\t\t}\n"
         "\t}\n";
}

// A multi/sub-object material whose one GTA sub-material uses `bitmap`.
std::string multi_with_gta(int m, const std::string& bitmap) {
  return "\t*MATERIAL " + std::to_string(m) +
         " {\n"
         "\t\t*MATERIAL_NAME \"Multi\"\n"
         "\t\t*MATERIAL_CLASS \"Multi/Sub-Object\"\n"
         "\t\t*MATERIAL_WIRESIZE 1.0000\n"
         "\t\t*NUMSUBMTLS 1\n"
         "\t\t*SUBMATERIAL 0 {\n"
         "\t\t\t*MATERIAL_NAME \"Sub\"\n"
         "\t\t\t*MATERIAL_CLASS \"GTA Material\"\n"
         "\t\t\t*MATERIAL_WIRESIZE 1.0000\n"
         "\t\t\t*MAP_DIFFUSE {\n"
         "\t\t\t\t*MAP_NAME \"submap\"\n"
         "\t\t\t\t*BITMAP \"" +
         bitmap +
         "\"\n"
         "\t\t\t}\n"
         "\t\t}\n"
         "\t}\n";
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
  t.session.scene.express = 1;
  t.add_texture("AVeryLongTextureName.TIF");
  t.add_texture("exactly15charsx.tif");
  t.add_texture("sixteen_chars_xx.tif");

  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_EQ(t.prompt.messages, std::vector<Message>{backup_warning});
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
  EXPECT_EQ(scene.express, 1);
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
  t.session.scene.express = 1;
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
  EXPECT_EQ(t.prompt.messages, (std::vector<Message>{backup_warning, taken, outside, outside,
                                                     too_long, taken, reserved}));
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
  EXPECT_EQ(t.session.scene.express, 0);
  EXPECT_EQ(t.session.scene.bigmat_names,
            (std::vector<std::string>{"averylongtexturename.tga , short.tga",
                                      "anotherlongtexture.tga , r\xE9sum\xE9.tga"}));
}

TEST(TextureNames, CancelAndMissingFileStopTheAnalysis) {
  TextureScene cancelled(1, gta_material(0, "C:\\maps\\averylongtexturename.tga"));
  cancelled.add_texture("averylongtexturename.tif");
  EXPECT_EQ(cancelled.analyse(), PassOutcome::stopped);
  EXPECT_EQ(cancelled.prompt.messages,
            (std::vector<Message>{
                backup_warning,
                {"Importing of 3d scene cancelled, remember to restore the original names of the "
                 "renamed files with the backuped texture files.",
                 16, "Cancelled"}}));
  EXPECT_TRUE(cancelled.has_texture("averylongtexturename.tif"));
  EXPECT_FALSE(cancelled.has_texture("averylongtexturename.ti"));

  TextureScene missing(1, gta_material(0, "C:\\maps\\averylongtexturename.tga"));
  missing.session.window.Check1.value = 1;
  EXPECT_EQ(missing.analyse(), PassOutcome::stopped);
  EXPECT_EQ(missing.prompt.messages,
            (std::vector<Message>{
                {"One of the texture files of the 3dscene that has more than 15 characters is "
                 "missing (\"averylongtexturename\") you should have ALL the texture files in the "
                 "corresponding TIFFRGB folder in .tif file format before processing a 3d scene. "
                 "The importing of this 3d scene is cancelled.",
                 16, "Error"}}));
}

// The system's file operations, with the copies failing.
class CopiesFail : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  bool copy_file(const std::string&, const std::string&, std::string* why) override {
    if (why) *why = "Read-only file system";
    return false;
  }
};

TEST(TextureNames, FailedBackupNamesThePathAndStops) {
  TextureScene t(1, gta_material(0, "C:\\maps\\averylongtexturename.tga"));
  t.add_texture("averylongtexturename.tif");
  CopiesFail failing(*t.fs);
  Session session(t.prompt, failing, t.pump);
  session.scene.fich = t.session.scene.fich;
  session.window.Check5.value = 0;
  session.window.Check1.value = 1;

  EXPECT_EQ(analyse_materials(session), PassOutcome::stopped);
  std::string textures = t.folder.file("TIFFRGB");
  EXPECT_EQ(t.prompt.messages,
            (std::vector<Message>{
                backup_warning,
                {"The file " + join_path(textures, "averylongtexturename.tif") +
                     " couldn't be copied to " + join_path(textures, "averylongtexturename.ti") +
                     ": Read-only file system",
                 16, "Error"}}));
  EXPECT_TRUE(t.has_texture("averylongtexturename.tif"));
}

TEST(TextureNames, SampleTrackShortensItsBarrierTexture) {
  MaterialScene t("");
  std::filesystem::copy(
      MESHMILL_EXAMPLES, t.folder.path(),
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  t.session.scene.fich = t.folder.file("sample_track.ase");
  t.session.window.Check5.value = 0;
  t.session.window.Check1.value = 1;

  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_EQ(t.prompt.messages, std::vector<Message>{backup_warning});
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
}  // namespace meshmill
