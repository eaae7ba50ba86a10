// "Prepare textures" through the window's commands: the TIFFs of the
// analysis, the pixelmaps of the processing, what the user is told, and the
// restore of shortened names.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/clear_statistics.h"
#include "app/restore_command.h"
#include "app/scene_commands.h"
#include "app/window_settings.h"
#include "image_samples.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "report/report_page.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

struct PixHeader {
  int type;
  int width;
  int height;
  bool operator==(const PixHeader&) const = default;
};

// The pixelmap chunk follows the 16 bytes of the file-info chunk.
PixHeader pix_header(const std::string& pix) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(pix.at(k)); };
  return {byte(24), byte(27) << 8 | byte(28), byte(29) << 8 | byte(30)};
}

// The sample track, its texture folder holding what a test puts there.
struct TexturedSample : TestSession {
  TexturedSample() {
    scene = copy_examples(folder);
    std::filesystem::remove_all(folder.file("TIFFRGB"));
    std::filesystem::create_directories(folder.file("TIFFRGB"));
    session.window.Check7.value = 1;
    session.record_objects = true;  // as the window does, for its report
  }
  void convert() {
    analyze(session, scene);
    session.window.Check3.value = 1;  // the target beside the scene, of its name
    start_process(session);
  }
  std::string scene;
};

TEST(TextureRun, TiffsAtTheAnalysisPixelmapsAfterTheMatAndOneWarning) {
  TexturedSample t;
  t.folder.write("TIFFRGB/asphalt.tga", tga_file(pattern(300, 200, false), 3));
  t.folder.write("roof.png", png_file(2, 1, 8, 6, std::string("\0\xff\0\0\xff\0\xff\0\x80", 9)));
  const std::string brick_tif =
      t.folder.write("TIFFRGB/brick.tif", *encode_tiff_rgb(pattern(8, 8, false), nullptr));
  t.convert();

  // A .tif for each texture that had none and an image; the one there stays.
  auto asphalt = decode_image(t.folder.read("TIFFRGB/asphalt.tif"));
  ASSERT_TRUE(asphalt.image);
  EXPECT_EQ(asphalt.image->width, 300);
  EXPECT_FALSE(asphalt.image->has_alpha());
  EXPECT_TRUE(t.folder.exists("TIFFRGB/roof.tif"));
  EXPECT_EQ(read_file(brick_tif), *encode_tiff_rgb(pattern(8, 8, false), nullptr));
  EXPECT_FALSE(t.folder.exists("TIFFRGB/roadside_barrier_long.tif"));

  // A pixelmap per texture of the .mat: scaled to a size the game takes, 4444 for alpha.
  EXPECT_EQ(pix_header(t.folder.read("PIX16/asphalt.pix")), (PixHeader{5, 256, 256}));
  EXPECT_EQ(pix_header(t.folder.read("PIX16/roof.pix")), (PixHeader{18, 2, 1}));
  EXPECT_EQ(pix_header(t.folder.read("PIX16/brick.pix")), (PixHeader{5, 8, 8}));
  EXPECT_FALSE(t.folder.exists("PIX16/roadside_barrier_long.pix"));
  EXPECT_TRUE(t.folder.exists("PIX16/(Extra_mat_1).pix"));  // the placeholder as ever

  const Message warning{
      "1 texture is missing, 1 was scaled: see the report\n"
      "\"asphalt\": scaled from 300 x 200 to 256 x 256\n"
      "\"roadside_barrier_long\": missing",
      48, "Textures"};
  const auto& said = t.prompt.messages;
  EXPECT_NE(std::find(said.begin(), said.end(), warning), said.end());

  // The report shows each texture's thumbnail inside the page.
  std::string page = render_report(t.session, settings_from_window(t.session.window), "now");
  EXPECT_NE(page.find("<th>Texture files</th>"), std::string::npos);
  std::size_t thumbnails = 0;
  for (std::size_t at = page.find(" src=\""); at != std::string::npos;
       at = page.find(" src=\"", at + 1)) {
    EXPECT_EQ(page.compare(at, 33, " src=\"data:image/png;base64,iVBOR"), 0);
    ++thumbnails;
  }
  EXPECT_EQ(thumbnails, 3u);  // asphalt, brick and roof; the missing one has none
  EXPECT_NE(page.find("scaled from 300 &#215; 200 to 256 &#215; 256"), std::string::npos);

  // A second run asks once before replacing; No keeps them, and says so.
  const std::string first_roof = t.folder.read("PIX16/roof.pix");
  t.folder.write("PIX16/roof.pix", "mine");
  t.prompt.messages.clear();
  // Not right away; the skipped objects; replace the .asc; the .mat; not the pixelmaps.
  t.prompt.answers = {answer::no, answer::ok, answer::yes, answer::ok, answer::no};
  t.convert();
  EXPECT_EQ(t.folder.read("PIX16/roof.pix"), "mine");
  const Message question{
      "3 pixelmaps of this scene's textures already exist in the PIX16 folder. Do you want to "
      "replace them?",
      36, "Question"};
  EXPECT_NE(std::find(said.begin(), said.end(), question), said.end());
  const auto textures_box =
      std::find_if(said.begin(), said.end(), [](const Message& m) { return m.title == "Textures"; });
  ASSERT_NE(textures_box, said.end());
  EXPECT_EQ(textures_box->text.substr(0, textures_box->text.find('\n')),
            "1 texture is missing, 3 were kept: see the report");
  EXPECT_EQ(std::count_if(said.begin(), said.end(),
                          [](const Message& m) { return m.title == "Textures"; }),
            1);

  // Replaced without a question when existing files are overwritten anyway;
  // the .tif the first run wrote has no alpha, but the art comes first.
  t.session.window.Check4.value = 1;
  t.prompt.messages.clear();
  t.convert();
  EXPECT_EQ(t.folder.read("PIX16/roof.pix"), first_roof);
  EXPECT_EQ(std::find(said.begin(), said.end(), question), said.end());

  // The statistics reset forgets the scene's textures with its other records.
  t.prompt.answers = {answer::yes};
  clear_statistics(t.session);
  EXPECT_TRUE(t.session.scene.textures.empty());
}

TEST(TextureRun, OffWritesNoTextureFile) {
  TexturedSample t;
  t.session.window.Check7.value = 0;
  t.folder.write("TIFFRGB/asphalt.tga", tga_file(pattern(4, 4, false), 3));
  t.convert();
  EXPECT_FALSE(t.folder.exists("TIFFRGB/asphalt.tif"));
  EXPECT_FALSE(t.folder.exists("PIX16/asphalt.pix"));
  EXPECT_TRUE(t.session.scene.textures.empty());
  for (const Message& m : t.prompt.messages) EXPECT_NE(m.title, "Textures");
}

TEST(TextureRun, ABadImageIsListedAndTheRunGoesOn) {
  TexturedSample t;
  std::string png = png_file(4, 4, 8, 2, std::string(4 * 13, '\x7f'));
  t.folder.write("TIFFRGB/roof.png", png.substr(0, png.size() / 2));
  t.folder.write("TIFFRGB/brick.tga", tga_file(pattern(4, 4, false), 3));
  t.convert();
  EXPECT_FALSE(t.folder.exists("TIFFRGB/roof.tif"));
  EXPECT_FALSE(t.folder.exists("PIX16/roof.pix"));
  EXPECT_TRUE(t.folder.exists("PIX16/brick.pix"));
  const Message warning{
      "2 textures are missing, 1 could not be read: see the report\n"
      "\"asphalt\": missing\n"
      "\"roadside_barrier_long\": missing\n"
      "\"roof\": unreadable image (truncated or corrupt)",
      48, "Textures"};
  const auto& said = t.prompt.messages;
  EXPECT_NE(std::find(said.begin(), said.end(), warning), said.end());
}

TEST(TextureRun, ALongNameIsShortenedFromItsArtAndRestoredExactly) {
  TexturedSample t;
  t.session.window.Check5.value = 0;  // shorten long names...
  t.session.window.Check1.value = 1;  // ...automatically
  t.folder.write("TIFFRGB/roadside_barrier_long.png",
                 png_file(1, 2, 8, 6, std::string("\0\xff\0\0\x40\0\0\xff\0\xff", 10)));
  t.convert();

  // The .tif made from the art was shortened; its pixelmap keeps the art's alpha.
  const auto& textures = t.session.scene.textures;
  auto road = std::find_if(textures.begin(), textures.end(), [](const TextureRecord& r) {
    return r.base == "roadside_barrier_long";
  });
  ASSERT_NE(road, textures.end());
  ASSERT_NE(road->name, "roadside_barrier_long");
  EXPECT_LE(road->name.size(), 15u);
  EXPECT_TRUE(road->tif_written);
  EXPECT_EQ(road->tif, join_path(t.folder.file("TIFFRGB"), cp1252_to_utf8(road->name) + ".tif"));
  EXPECT_TRUE(t.folder.exists("TIFFRGB/roadside_barrier_long.ti"));
  EXPECT_FALSE(t.folder.exists("TIFFRGB/roadside_barrier_long.tif"));
  EXPECT_EQ(pix_header(t.folder.read("PIX16/" + cp1252_to_utf8(road->name) + ".pix")),
            (PixHeader{18, 1, 2}));

  const std::string backup = t.folder.read("TIFFRGB/roadside_barrier_long.ti");
  std::string folder;
  RestoreResult restored = restore_scene_textures(t.fs, t.scene, folder);
  ASSERT_EQ(restored.steps.size(), 2u);
  EXPECT_EQ(restored.steps[0].kind, RestoreStep::Kind::restored);
  EXPECT_EQ(restored.steps[1].kind, RestoreStep::Kind::removed);
  EXPECT_EQ(t.folder.read("TIFFRGB/roadside_barrier_long.tif"), backup);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(t.folder.file("TIFFRGB"))) {
    left.push_back(entry.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left,
            (std::vector<std::string>{"roadside_barrier_long.png", "roadside_barrier_long.tif"}));
}

}  // namespace
}  // namespace meshmill::testing
