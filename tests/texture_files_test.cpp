#include <gtest/gtest.h>

#include <algorithm>

#include "format/bitmap_name.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"
#include "textures/restore_textures.h"
#include "textures/texture_size.h"
#include "textures/texture_source.h"

namespace meshmill {
namespace {

using testing::TempFolder;

TEST(TextureSize, PowersOfTwoUpTo256AtMostEightToOne) {
  struct Case {
    int width, height;
    TextureSize expected;
  };
  for (const Case& c : std::initializer_list<Case>{{1, 1, {1, 1}},
                                                   {2, 2, {2, 2}},
                                                   {3, 3, {2, 2}},
                                                   {3, 4, {4, 4}},
                                                   {181, 181, {128, 128}},
                                                   {200, 200, {128, 128}},
                                                   {200, 300, {256, 256}},
                                                   {256, 256, {256, 256}},
                                                   {300, 300, {256, 256}},
                                                   {1024, 512, {256, 256}},
                                                   {1024, 64, {256, 64}},
                                                   {64, 40, {64, 32}},
                                                   {1, 1000, {32, 256}},
                                                   {1000, 10, {256, 32}},
                                                   {16, 1, {16, 2}},
                                                   {9, 1, {8, 1}},
                                                   {16384, 1, {256, 32}},
                                                   {0, 0, {1, 1}}}) {
    EXPECT_EQ(game_size(c.width, c.height), c.expected) << c.width << " x " << c.height;
  }
}

TEST(TextureSource, LooksInTheDocumentedOrder) {
  TempFolder scene;
  auto native = make_native_file_system();
  FileSystem& fs = *native;
  const std::string tiffrgb = scene.file("TIFFRGB");
  ASSERT_TRUE(fs.create_folder(tiffrgb));
  const std::string bitmap =
      "C:\\maps\\Se\xF1"
      "al.v2.TGA";
  const std::string base = cp1252_to_utf8(
      "Se\xF1"
      "al.v2");
  EXPECT_EQ(bitmap_base_name(bitmap),
            "Se\xF1"
            "al.v2");
  EXPECT_EQ(bitmap_base_name("a/b:c.d.png"), "c.d");
  EXPECT_EQ(bitmap_base_name("plain"), "plain");

  const TextureSearch where{tiffrgb, scene.path(), false};
  EXPECT_EQ(find_texture_image(fs, where, bitmap), std::nullopt);
  const std::string tif = scene.write(join_path("TIFFRGB", base + ".tif"), "t");
  EXPECT_EQ(find_texture_image(fs, where, bitmap), tif);
  const std::string in_scene = scene.write(base + ".JPEG", "j");
  EXPECT_EQ(find_texture_image(fs, where, bitmap), in_scene);
  const std::string in_tiffrgb = scene.write(join_path("TIFFRGB", base + ".Png"), "p");
  EXPECT_EQ(find_texture_image(fs, where, bitmap), in_tiffrgb);
  const std::string first = scene.write(join_path("TIFFRGB", base + ".tga"), "g");
  EXPECT_EQ(find_texture_image(fs, where, bitmap), first);

  // The bitmap path itself counts on Windows only, after both folders.
  const std::string elsewhere = scene.write("art.bmp", "b");
  const std::string own_path = utf8_to_cp1252(elsewhere);
  EXPECT_EQ(find_texture_image(fs, {scene.file("none"), "", true}, own_path), elsewhere);
  EXPECT_EQ(find_texture_image(fs, {scene.file("none"), "", false}, own_path), std::nullopt);
  EXPECT_EQ(find_texture_image(fs, {tiffrgb, "", true}, bitmap), first);
}

TEST(RestoreTextures, UndoesAShorteningAndLeavesChangedCopies) {
  TempFolder folder;
  auto native = make_native_file_system();
  // Two shortened textures: one copy as it was made, one changed since;
  // a third whose long name is taken again; a .tif with no backup at all.
  folder.write("Long_brick_wall.ti", "brick");
  folder.write("brick.tif", "brick");
  folder.write("Long_road_surface.ti", "road");
  folder.write("road.tif", "road, painted over");
  folder.write("Long_sign_board.ti", "sign");
  folder.write("long_SIGN_board.tif", "sign");
  folder.write("other.tif", "other");
  folder.write("notes.txt", "brick");

  RestoreResult result = restore_texture_names(*native, folder.path());
  std::vector<std::string> lines;
  for (const RestoreStep& step : result.steps) lines.push_back(step.text);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Restored Long_brick_wall.tif from Long_brick_wall.ti.",
                       "Removed brick.tif, the short-named copy identical to Long_brick_wall.ti.",
                       "Restored Long_road_surface.tif from Long_road_surface.ti.",
                       "Kept every short-named copy of Long_road_surface.tif: no .tif is "
                       "identical to Long_road_surface.ti.",
                       "Kept Long_sign_board.ti: long_SIGN_board.tif exists."}));
  EXPECT_EQ(folder.read("Long_brick_wall.tif"), "brick");
  EXPECT_FALSE(folder.exists("brick.tif"));
  EXPECT_FALSE(folder.exists("Long_brick_wall.ti"));
  EXPECT_EQ(folder.read("Long_road_surface.tif"), "road");
  EXPECT_EQ(folder.read("road.tif"), "road, painted over");
  EXPECT_EQ(folder.read("Long_sign_board.ti"), "sign");
  EXPECT_EQ(folder.read("long_SIGN_board.tif"), "sign");
  EXPECT_EQ(folder.read("other.tif"), "other");
  EXPECT_EQ(folder.read("notes.txt"), "brick");

  // Run again: nothing left to do but refuse.
  auto again = restore_texture_names(*native, folder.path());
  ASSERT_EQ(again.steps.size(), 1u);
  EXPECT_EQ(again.steps[0].kind, RestoreStep::Kind::kept);

  // Two copies both identical to the backup: neither is known as the copy.
  TempFolder twins;
  twins.write("Long_grass_field.ti", "grass");
  twins.write("grass1.tif", "grass");
  twins.write("grass2.tif", "grass");
  auto both = restore_texture_names(*native, twins.path());
  ASSERT_EQ(both.steps.size(), 2u);
  EXPECT_EQ(both.steps[1].text,
            "Kept grass1.tif, grass2.tif: each is identical to Long_grass_field.ti, so none is "
            "known as its copy.");
  EXPECT_TRUE(twins.exists("grass1.tif") && twins.exists("grass2.tif"));
}

TEST(TextureFiles, AFailedWriteLeavesNothingHalfWritten) {
  TempFolder folder;
  auto native = make_native_file_system();
  testing::FaultyFileSystem faulty(*native);
  faulty.fail_write = "art.pix";
  faulty.fail_write_after = 3;
  std::string why;
  EXPECT_FALSE(write_file_atomically(faulty, folder.file("art.pix"), "pixels", &why));
  EXPECT_EQ(why, "No space left on device");
  EXPECT_EQ(native->list_folder(folder.path()), std::vector<std::string>{});

  ASSERT_TRUE(write_file_atomically(*native, folder.file("art.pix"), "pixels", &why)) << why;
  EXPECT_EQ(read_whole_file(*native, folder.file("art.pix"), 100, &why), "pixels");
  EXPECT_EQ(read_whole_file(*native, folder.file("art.pix"), 5, &why), std::nullopt);
  EXPECT_EQ(why, "the file is too large (6 bytes)");
  EXPECT_EQ(native->list_folder(folder.path()), std::vector<std::string>{"art.pix"});
  EXPECT_EQ(native->list_folder(folder.file("missing")), std::nullopt);
}

}  // namespace
}  // namespace meshmill
