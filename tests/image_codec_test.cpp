#include "platform/image_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "image_samples.h"
#include "support/temp_folder.h"

namespace meshmill {
namespace {

using testing::image_of;
using testing::pattern;
using testing::png_file;

std::string problem_of(std::string_view bytes) {
  DecodeResult result = decode_image(bytes);
  EXPECT_FALSE(result.image);
  return result.problem;
}

Image decoded(std::string_view bytes) {
  DecodeResult result = decode_image(bytes);
  EXPECT_TRUE(result.image) << result.problem;
  return result.image.value_or(Image{});
}

Image opaque(Image image) {
  for (std::size_t at = 3; at < image.rgba.size(); at += 4) image.rgba[at] = 255;
  return image;
}

TEST(ImageCodec, EveryFormatAndVariantComesOutAsRgba) {
  const Image art = pattern(5, 3, true);
  EXPECT_EQ(decoded(encode_png(art)).rgba, art.rgba);
  EXPECT_EQ(decoded(testing::tga_file(art, 4)).rgba, art.rgba);
  EXPECT_EQ(decoded(testing::tga_file(art, 3)).rgba, opaque(art).rgba);
  EXPECT_EQ(decoded(testing::bmp_file(art)).rgba, opaque(art).rgba);

  // A 32-bit TGA whose descriptor declares no alpha bits is opaque.
  std::string padded = testing::tga_file(art, 4);
  padded[17] = static_cast<char>(padded[17] & 0xF0);
  Image padded_image = decoded(padded);
  EXPECT_EQ(padded_image.rgba, opaque(art).rgba);
  EXPECT_FALSE(padded_image.has_alpha());

  // JPEG is lossy: a flat colour comes back within a step or two.
  Image flat = decoded(testing::jpeg_file(image_of(1, 1, {0x4080C0FF})));
  ASSERT_EQ(flat.rgba.size(), 4u);
  EXPECT_NEAR(flat.rgba[0], 0x40, 2);
  EXPECT_NEAR(flat.rgba[1], 0x80, 2);
  EXPECT_NEAR(flat.rgba[2], 0xC0, 2);
  EXPECT_EQ(flat.rgba[3], 255);
  // A progressive JPEG losslessly made from a baseline one (jpegtran): its
  // early scans name AC tables that are defined only later.
  const std::string images = std::string(MESHMILL_TEST_DATA) + "/images/";
  EXPECT_EQ(decoded(testing::read_file(images + "sign_progressive.jpg")).rgba,
            decoded(testing::read_file(images + "sign_baseline.jpg")).rgba);

  // Grey, grey with alpha, palette with transparency, 16-bit channels.
  EXPECT_EQ(decoded(png_file(2, 1, 8, 0, std::string("\0\x10\xF0", 3))).rgba,
            image_of(2, 1, {0x101010FF, 0xF0F0F0FF}).rgba);
  EXPECT_EQ(decoded(png_file(1, 1, 8, 4, std::string("\0\x80\x40", 3))).rgba,
            image_of(1, 1, {0x80808040}).rgba);
  EXPECT_EQ(decoded(png_file(2, 1, 8, 3, std::string("\0\x01\x00", 3),
                             std::string("\xFF\0\0\0\xFF\0", 6), std::string("\xFF\x00", 2)))
                .rgba,
            image_of(2, 1, {0x00FF0000, 0xFF0000FF}).rgba);
  EXPECT_EQ(decoded(png_file(1, 1, 16, 2, std::string("\0\x12\x34\xAB\xCD\xFF\xFF", 7))).rgba,
            image_of(1, 1, {0x12ABFFFF}).rgba);

  // TIFF keeps the colours and drops the alpha.
  std::string problem;
  auto tiff = encode_tiff_rgb(art, &problem);
  ASSERT_TRUE(tiff) << problem;
  Image from_tiff = decoded(*tiff);
  EXPECT_EQ(from_tiff.width, 5);
  EXPECT_EQ(from_tiff.height, 3);
  EXPECT_EQ(from_tiff.rgba, opaque(art).rgba);
}

TEST(ImageCodec, BadImagesAreRefusedWithOneClearLine) {
  const std::string unreadable = "unreadable image (truncated or corrupt)";
  EXPECT_EQ(problem_of(""), "empty file");
  EXPECT_EQ(problem_of("Not an image at all, just some text."), "unsupported image format");

  const std::string png = encode_png(pattern(16, 16, true));
  EXPECT_EQ(problem_of(std::string_view(png).substr(0, png.size() / 2)), unreadable);
  std::string corrupt = png;
  corrupt[41] = '\x7F';  // the first byte of the deflate stream's header
  EXPECT_EQ(problem_of(corrupt), unreadable);
  const std::string tga = testing::tga_file(pattern(4, 4, false), 3);
  EXPECT_EQ(problem_of(std::string_view(tga).substr(0, tga.size() - 5)), unreadable);
  // What the fuzzer found: a Huffman table of more than 256 codes, which
  // stb_image would write past; a scan decoding with a table no segment
  // defined, which it would read as uninitialized memory; a data chunk
  // claiming a gigabyte.
  for (const char* name : {"jpeg_huffman_overrun.jpg", "jpeg_undefined_table.jpg",
                           "png_data_chunk_of_a_gigabyte.png"}) {
    EXPECT_EQ(
        problem_of(testing::read_file(std::string(MESHMILL_TEST_DATA) + "/hostile/image/" + name)),
        unreadable)
        << name;
  }
  const std::string jpeg = testing::jpeg_file(pattern(16, 16, false));
  EXPECT_EQ(problem_of(std::string_view(jpeg).substr(0, jpeg.size() / 2)), unreadable);

  // Sizes are refused from the header, before any pixel is allocated.
  EXPECT_EQ(problem_of(png_file(0, 0, 8, 2, "")).substr(0, 11), "empty image");
  EXPECT_EQ(problem_of(png_file(20000, 20, 8, 2, "")),
            "image too large (20000 x 20 pixels; at most 16384 on a side)");
  EXPECT_EQ(problem_of(png_file(4000, 4000, 8, 2, "")),
            "unreadable image (too little data for 4000 x 4000 pixels)");

  std::string problem;
  const std::string tiff = encode_tiff_rgb(pattern(8, 8, false), &problem).value_or("");
  ASSERT_FALSE(tiff.empty()) << problem;
  EXPECT_EQ(problem_of(testing::with_tiff_width(tiff, 20000)),
            "image too large (20000 x 8 pixels; at most 16384 on a side)");
  EXPECT_EQ(problem_of(std::string_view(tiff).substr(0, 100)), unreadable);
  EXPECT_FALSE(encode_tiff_rgb(Image{}, &problem));
  EXPECT_EQ(encode_png(Image{}), "");
}

TEST(ImageCodec, WrittenTiffIsBaselineRgbForLibtiffsOwnTool) {
#ifdef _WIN32
  GTEST_SKIP() << "tiffinfo is a tool of the Linux build";
#else
  if (std::system("command -v tiffinfo >/dev/null 2>&1") != 0) GTEST_SKIP() << "no tiffinfo";
  testing::TempFolder folder;
  std::string problem;
  auto tiff = encode_tiff_rgb(pattern(6, 4, true), &problem);
  ASSERT_TRUE(tiff) << problem;
  const std::string path = folder.write("road.tif", *tiff);
  const std::string report = folder.file("report.txt");
  ASSERT_EQ(std::system(("tiffinfo '" + path + "' >'" + report + "' 2>&1").c_str()), 0);
  const std::string info = testing::read_file(report);
  for (const char* line : {"Image Width: 6 Image Length: 4", "Bits/Sample: 8",
                           "Compression Scheme: None", "Photometric Interpretation: RGB color",
                           "Samples/Pixel: 3", "Planar Configuration: single image plane"}) {
    EXPECT_NE(info.find(line), std::string::npos) << line << " not in:\n" << info;
  }
#endif
}

TEST(ImageCodec, ResizingWeighsColoursByAlpha) {
  // An opaque red pixel beside a transparent green one: the transparent
  // pixel's colour must not bleed into the result.
  Image mixed = resize_image(image_of(2, 1, {0xFF0000FF, 0x00FF0000}), 1, 1);
  ASSERT_EQ(mixed.rgba.size(), 4u);
  EXPECT_EQ(mixed.rgba[0], 255);
  EXPECT_EQ(mixed.rgba[1], 0);
  EXPECT_NEAR(mixed.rgba[3], 128, 1);

  Image smaller = resize_image(pattern(40, 10, false), 8, 2);
  EXPECT_EQ(smaller.width, 8);
  EXPECT_EQ(smaller.height, 2);
  EXPECT_EQ(smaller.rgba.size(), 8u * 2 * 4);
  EXPECT_FALSE(smaller.has_alpha());
}

}  // namespace
}  // namespace meshmill
