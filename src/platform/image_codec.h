#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meshmill {

// The image codecs behind one interface. TGA, PNG, BMP and JPEG go through
// stb_image on every system, so Linux and Windows decode the same pixels;
// TIFF goes through libtiff, or the Windows Imaging Component on Windows.

// 8-bit RGBA, rows top to bottom, width * height * 4 bytes.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;

  // Some pixel is not fully opaque.
  bool has_alpha() const;
};

// The largest side an image may have; larger ones are refused from their header.
inline constexpr int largest_image_side = 16384;

struct DecodeResult {
  std::optional<Image> image;
  // One English line when there is no image, e.g. "unsupported image format".
  std::string problem;
};

// Decodes an image file's bytes; the format is told by its first bytes, not
// by the file's extension.
DecodeResult decode_image(std::string_view bytes);

// A baseline TIFF: uncompressed, 8-bit RGB, 3 samples per pixel, one plane;
// the alpha is dropped. Nothing, and the reason in `problem`, on failure.
std::optional<std::string> encode_tiff_rgb(const Image& image, std::string* problem);

// A PNG of the image with its alpha (for thumbnails); "" for an empty image.
std::string encode_png(const Image& image);

// The image resampled to width x height (each at least 1), colours weighted
// by alpha so transparent pixels do not bleed into their neighbours.
Image resize_image(const Image& image, int width, int height);

}  // namespace meshmill
