#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/image_codec.h"

namespace meshmill::testing {

// Small images for the codec and texture tests, made in memory.

// An image from its pixels, 0xRRGGBBAA each, rows top to bottom.
Image image_of(int width, int height, std::initializer_list<std::uint32_t> pixels);
// An image of width x height pixels of varied colours and alphas.
Image pattern(int width, int height, bool with_alpha);

// A PNG built chunk by chunk (stored deflate blocks), for the variants the
// encoders don't write: `rows` holds every row's filter byte and samples.
std::string png_file(int width, int height, int bit_depth, int colour_type, std::string_view rows,
                     std::string_view palette = {}, std::string_view transparency = {});

// Through stb_image_write: TGA, BMP and JPEG of an image with `channels` of RGBA.
std::string tga_file(const Image& image, int channels);
std::string bmp_file(const Image& image);
std::string jpeg_file(const Image& image);

// A TIFF with its ImageWidth changed to `width` (the first directory's tag).
std::string with_tiff_width(std::string tiff, std::uint32_t width);

}  // namespace meshmill::testing
