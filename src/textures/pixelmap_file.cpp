#include "textures/pixelmap_file.h"

#include <cstdint>

namespace meshmill {

namespace {

enum ChunkId : std::uint32_t { end_chunk = 0, file_info = 18, pixels_chunk = 33, pixelmap = 61 };

void put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>((value >> 8) & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
  put16(out, value >> 16);
  put16(out, value & 0xFFFF);
}

// A channel of 0..255 rounded to `bits` bits; 0 and 255 stay exact.
std::uint32_t scaled(std::uint8_t channel, std::uint32_t bits) {
  std::uint32_t top = (1u << bits) - 1;
  return (channel * top + 127) / 255;
}

std::uint32_t pixel_word(const std::uint8_t* rgba, PixelmapType type) {
  if (type == PixelmapType::rgb565) {
    return scaled(rgba[0], 5) << 11 | scaled(rgba[1], 6) << 5 | scaled(rgba[2], 5);
  }
  return scaled(rgba[3], 4) << 12 | scaled(rgba[0], 4) << 8 | scaled(rgba[1], 4) << 4 |
         scaled(rgba[2], 4);
}

}  // namespace

PixelmapType pixelmap_type(const Image& image) {
  return image.has_alpha() ? PixelmapType::argb4444 : PixelmapType::rgb565;
}

std::optional<std::string> encode_pixelmap(std::string_view name, const Image& image) {
  // At most 16384 a side: the row bytes fit 16 bits and the pixel chunk's length 32.
  if (image.width <= 0 || image.height <= 0 || image.width > largest_image_side ||
      image.height > largest_image_side ||
      image.rgba.size() != std::size_t(image.width) * std::size_t(image.height) * 4 ||
      name.size() > 0xFFFF) {
    return std::nullopt;
  }
  const auto width = static_cast<std::uint32_t>(image.width);
  const auto height = static_cast<std::uint32_t>(image.height);
  const std::uint32_t count = width * height;
  const PixelmapType type = pixelmap_type(image);

  std::string out;
  out.reserve(60 + name.size() + std::size_t{count} * 2);
  put32(out, file_info);
  put32(out, 8);
  put32(out, 2);
  put32(out, 2);

  put32(out, pixelmap);
  put32(out, static_cast<std::uint32_t>(14 + name.size()));
  out += static_cast<char>(type);
  put16(out, width * 2);  // row bytes
  put16(out, width);
  put16(out, height);
  put16(out, 0);  // origin x
  put16(out, 0);  // origin y
  put16(out, 0);  // mip offset
  out += name;
  out += '\0';

  put32(out, pixels_chunk);
  put32(out, 8 + count * 2);
  put32(out, count);
  put32(out, 2);  // bytes a pixel
  for (std::size_t at = 0; at < image.rgba.size(); at += 4) {
    put16(out, pixel_word(&image.rgba[at], type));
  }

  put32(out, end_chunk);
  put32(out, 0);
  return out;
}

}  // namespace meshmill
