#include "processing/material_templates.h"

#include <cstdint>
#include <initializer_list>

namespace meshmill {

namespace {

std::string bytes(std::initializer_list<std::uint8_t> values) {
  std::string out;
  for (std::uint8_t value : values) out += static_cast<char>(value);
  return out;
}

std::string big_endian(std::initializer_list<std::uint32_t> values) {
  std::string out;
  for (std::uint32_t value : values) {
    out += static_cast<char>(value >> 24);
    out += static_cast<char>(value >> 16);
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value);
  }
  return out;
}

// The material chunk's data after the colour: opacity 255, four
// single-precision values (0.1, 0.7, 0.0, 20.0), the flags, a 2x3 identity
// texture transform, the bytes 10 and 31 and fifteen zero bytes.
std::string material_body(std::uint32_t flags) {
  std::string out = bytes({0xFF});
  out += big_endian({0x3DCCCCCD, 0x3F333333, 0x00000000, 0x41A00000, flags});
  out += big_endian({0x3F800000, 0, 0, 0x3F800000, 0, 0});
  out += bytes({0x0A, 0x1F});
  out += std::string(15, '\0');
  return out;
}

MaterialTemplates build() {
  MaterialTemplates t;
  t.inicio = big_endian({18, 8, 5, 2});
  t.inicio_mat_before_color = big_endian({60, 80});
  t.inicio_mat_onesided = material_body(0x21);
  t.inicio_mat_twosided = material_body(0x1021);
  t.rest_mat_normal = bytes({0}) + big_endian({28, 4});
  t.rest_mat_empty = bytes({0}) + big_endian({0, 0});
  t.end_mat = bytes({0}) + big_endian({0, 0});
  // File info (pixelmap file, version 2); pixelmap chunk: type 0x12, 8 bytes
  // a row, 4 x 4, three zero words and an empty name; pixels chunk: 16 pixels
  // of 2 bytes.
  t.inicio_pix = big_endian({18, 8, 2, 2, 61, 14});
  t.inicio_pix += bytes({0x12, 0x00, 0x08, 0x00, 0x04, 0x00, 0x04, 0, 0, 0, 0, 0, 0, 0});
  t.inicio_pix += big_endian({33, 40, 16, 2});
  t.fim_pix = big_endian({0, 0});
  return t;
}

}  // namespace

const MaterialTemplates& material_templates() {
  static const MaterialTemplates templates = build();
  return templates;
}

}  // namespace meshmill
