#include "image_samples.h"

#include <stb_image_write.h>

#include <algorithm>
#include <vector>

namespace meshmill::testing {

namespace {

void put32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (char byte : bytes) {
    crc ^= static_cast<std::uint8_t>(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

void put_chunk(std::string& png, std::string_view type, std::string_view data) {
  put32(png, static_cast<std::uint32_t>(data.size()));
  std::string body = std::string(type) + std::string(data);
  png += body;
  put32(png, crc32(body));
}

// zlib with stored (uncompressed) blocks.
std::string zlib_stored(std::string_view data) {
  std::string out = "\x78\x01";
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (char byte : data) {
    a = (a + static_cast<std::uint8_t>(byte)) % 65521;
    b = (b + a) % 65521;
  }
  do {
    std::string_view block = data.substr(0, 65535);
    data.remove_prefix(block.size());
    auto length = static_cast<std::uint16_t>(block.size());
    out += static_cast<char>(data.empty() ? 1 : 0);
    for (std::uint16_t value : {length, static_cast<std::uint16_t>(~length)}) {
      out += static_cast<char>(value & 0xFF);
      out += static_cast<char>(value >> 8);
    }
    out += block;
  } while (!data.empty());
  put32(out, (b << 16) | a);
  return out;
}

void append(void* text, void* data, int size) {
  static_cast<std::string*>(text)->append(static_cast<const char*>(data),
                                          static_cast<std::size_t>(size));
}

std::vector<std::uint8_t> channels_of(const Image& image, int channels) {
  std::vector<std::uint8_t> out;
  for (std::size_t at = 0; at < image.rgba.size(); at += 4) {
    for (int channel = 0; channel < channels; ++channel) {
      out.push_back(image.rgba[at + static_cast<std::size_t>(channel)]);
    }
  }
  return out;
}

}  // namespace

Image image_of(int width, int height, std::initializer_list<std::uint32_t> pixels) {
  Image image{width, height, {}};
  for (std::uint32_t pixel : pixels) {
    for (int shift = 24; shift >= 0; shift -= 8) {
      image.rgba.push_back(static_cast<std::uint8_t>(pixel >> shift));
    }
  }
  return image;
}

Image pattern(int width, int height, bool with_alpha) {
  Image image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.rgba.push_back(static_cast<std::uint8_t>(x * 255 / std::max(width - 1, 1)));
      image.rgba.push_back(static_cast<std::uint8_t>(y * 255 / std::max(height - 1, 1)));
      image.rgba.push_back(static_cast<std::uint8_t>((x * 7 + y * 13) * 5));
      image.rgba.push_back(with_alpha ? static_cast<std::uint8_t>((x + y) * 40) : 255);
    }
  }
  return image;
}

std::string png_file(int width, int height, int bit_depth, int colour_type, std::string_view rows,
                     std::string_view palette, std::string_view transparency) {
  std::string png = "\x89PNG\r\n\x1A\n";
  std::string header;
  put32(header, static_cast<std::uint32_t>(width));
  put32(header, static_cast<std::uint32_t>(height));
  header += static_cast<char>(bit_depth);
  header += static_cast<char>(colour_type);
  header += std::string(3, '\0');
  put_chunk(png, "IHDR", header);
  if (!palette.empty()) put_chunk(png, "PLTE", palette);
  if (!transparency.empty()) put_chunk(png, "tRNS", transparency);
  if (!rows.empty()) put_chunk(png, "IDAT", zlib_stored(rows));
  put_chunk(png, "IEND", "");
  return png;
}

std::string tga_file(const Image& image, int channels) {
  std::string out;
  stbi_write_tga_with_rle = 0;
  auto data = channels_of(image, channels);
  stbi_write_tga_to_func(&append, &out, image.width, image.height, channels, data.data());
  return out;
}

std::string bmp_file(const Image& image) {
  std::string out;
  auto data = channels_of(image, 3);
  stbi_write_bmp_to_func(&append, &out, image.width, image.height, 3, data.data());
  return out;
}

std::string jpeg_file(const Image& image) {
  std::string out;
  auto data = channels_of(image, 3);
  stbi_write_jpg_to_func(&append, &out, image.width, image.height, 3, data.data(), 100);
  return out;
}

std::string with_tiff_width(std::string tiff, std::uint32_t width) {
  auto byte = [&](std::size_t at) -> std::uint32_t { return static_cast<std::uint8_t>(tiff[at]); };
  // Little-endian ("II") TIFFs only: both codecs write those.
  auto get16 = [&](std::size_t at) { return byte(at) | byte(at + 1) << 8; };
  auto get32 = [&](std::size_t at) { return get16(at) | get16(at + 2) << 16; };
  std::size_t directory = get32(4);
  std::uint32_t entries = get16(directory);
  for (std::uint32_t index = 0; index < entries; ++index) {
    std::size_t entry = directory + 2 + index * 12;
    if (get16(entry) != 256) continue;
    int bytes = get16(entry + 2) == 3 ? 2 : 4;  // SHORT or LONG
    for (int at = 0; at < bytes; ++at) {
      tiff[entry + 8 + static_cast<std::size_t>(at)] = static_cast<char>(width >> (8 * at));
    }
  }
  return tiff;
}

}  // namespace meshmill::testing
