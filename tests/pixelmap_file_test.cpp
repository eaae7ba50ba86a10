#include "textures/pixelmap_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "image_samples.h"
#include "support/temp_folder.h"

namespace meshmill {
namespace {

using testing::image_of;

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int value : values) out += static_cast<char>(value);
  return out;
}

std::string pixelmap(std::string_view name, const Image& image) {
  auto file = encode_pixelmap(name, image);
  EXPECT_TRUE(file);
  return file.value_or("");
}

// The 16-bit words of a pixelmap's pixels (after its name's zero byte).
std::vector<int> words_of(const std::string& file, std::size_t name_size) {
  std::vector<int> words;
  std::size_t at = 16 + 8 + 13 + name_size + 1 + 16;
  for (; at + 8 < file.size(); at += 2) {
    words.push_back(static_cast<std::uint8_t>(file[at]) << 8 |
                    static_cast<std::uint8_t>(file[at + 1]));
  }
  return words;
}

TEST(PixelmapFile, EveryByteOfAnOpaqueMap) {
  // Red, then (0, 128, 255): 128 rounds to 32 of 63, 255 to 31 of 31.
  EXPECT_EQ(pixelmap("ab", image_of(2, 1, {0xFF0000FF, 0x0080FFFF})),
            bytes({0,    0,    0,    18,   0, 0, 0, 8,  0, 0, 0, 2, 0, 0, 0, 2,  // file info
                   0,    0,    0,    61,   0, 0, 0, 16, 5, 0, 4, 0, 2, 0, 1, 0,
                   0,    0,    0,    0,    0,                                    // pixelmap
                   'a',  'b',  0,                                                // its name
                   0,    0,    0,    33,   0, 0, 0, 12, 0, 0, 0, 2, 0, 0, 0, 2,  // pixels
                   0xF8, 0x00, 0x04, 0x1F,                                       //
                   0,    0,    0,    0,    0, 0, 0, 0}));                        // end
}

TEST(PixelmapFile, RoundsToNearestAndKeepsRowsTopToBottom) {
  // 565: (8, 4, 4) -> 1, 1, 0; (132, 130, 123) -> 16, 32, 15. Rows: white above black.
  EXPECT_EQ(
      words_of(pixelmap("t", image_of(1, 4, {0x080404FF, 0x84827BFF, 0xFFFFFFFF, 0x000000FF})), 1),
      (std::vector<int>{0x0820, 0x840F, 0xFFFF, 0x0000}));

  // Any alpha below 255 makes the whole map 4444, alpha in the top bits;
  // (255, 136, 17, 128) -> 15, 8, 1, alpha 8. Alpha 0 and 255 stay exact.
  const Image see_through = image_of(2, 2, {0xFF881180, 0x000000FF, 0xFFFFFF00, 0x123456FE});
  const std::string file = pixelmap("glass", see_through);
  EXPECT_EQ(file[24], 18);
  EXPECT_EQ(words_of(file, 5), (std::vector<int>{0x8F81, 0xF000, 0x0FFF, 0xF135}));
  EXPECT_EQ(pixelmap_type(see_through), PixelmapType::argb4444);
  EXPECT_EQ(pixelmap_type(image_of(1, 1, {0x000000FE})), PixelmapType::argb4444);
  EXPECT_EQ(pixelmap_type(image_of(1, 1, {0xFFFFFFFF})), PixelmapType::rgb565);
}

TEST(PixelmapFile, NameIsKeptAsWindows1252BytesAndSizesAreChecked) {
  const std::string name =
      "Se\xF1"
      "al";
  const std::string file = pixelmap(name, image_of(1, 1, {0xFFFFFFFF}));
  EXPECT_EQ(file.substr(20, 4), bytes({0, 0, 0, 14 + 5}));
  EXPECT_EQ(file.substr(37, 6), name + '\0');
  EXPECT_FALSE(encode_pixelmap("x", Image{}));
  EXPECT_FALSE(encode_pixelmap("x", Image{2, 2, {0, 0, 0, 255}}));
}

TEST(PixelmapFile, FfmpegsPixelmapDecoderReadsTheOpaqueMap) {
#ifdef _WIN32
  GTEST_SKIP() << "ffmpeg is a tool of the Linux build";
#else
  if (std::system("command -v ffmpeg >/dev/null 2>&1") != 0) GTEST_SKIP() << "no ffmpeg";
  testing::TempFolder folder;
  const Image art = testing::pattern(8, 4, false);
  const std::string pix = folder.write("art.pix", pixelmap("art", art));
  const std::string png = folder.file("art.png");
  ASSERT_EQ(std::system(("ffmpeg -v error -y -i '" + pix + "' '" + png + "'").c_str()), 0);
  DecodeResult read_back = decode_image(testing::read_file(png));
  ASSERT_TRUE(read_back.image) << read_back.problem;
  ASSERT_EQ(read_back.image->width, 8);
  ASSERT_EQ(read_back.image->height, 4);
  // Each channel rounded to its bits here, widened again by ffmpeg
  // (the top bits repeated below).
  for (std::size_t at = 0; at < art.rgba.size(); at += 4) {
    for (std::size_t channel = 0; channel < 3; ++channel) {
      unsigned bits = channel == 1 ? 6 : 5;
      unsigned top = (1u << bits) - 1;
      unsigned kept = (art.rgba[at + channel] * top + 127) / 255;
      unsigned widened = kept << (8 - bits) | kept >> (2 * bits - 8);
      EXPECT_EQ(read_back.image->rgba[at + channel], widened) << "byte " << at + channel;
    }
  }
#endif
}

}  // namespace
}  // namespace meshmill
