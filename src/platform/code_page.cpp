#include "platform/code_page.h"

#include <cstdint>

namespace meshmill {

namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 marks the five unassigned bytes,
// which are passed through as the C1 control characters of the same value.
constexpr std::uint16_t high_block[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void append_utf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::uint32_t code_point_of(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && high_block[byte - 0x80] != 0) return high_block[byte - 0x80];
  return byte;
}

}  // namespace

std::string cp1252_to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) append_utf8(out, code_point_of(static_cast<unsigned char>(c)));
  return out;
}

std::string utf8_to_cp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    std::uint32_t code = byte;
    std::size_t length = 1;
    if (byte >= 0xF0) {
      length = 4;
      code = byte & 0x07;
    } else if (byte >= 0xE0) {
      length = 3;
      code = byte & 0x0F;
    } else if (byte >= 0xC0) {
      length = 2;
      code = byte & 0x1F;
    } else if (byte >= 0x80) {
      code = '?';  // a stray continuation byte
    }
    if (length > 1) {
      if (i + length > text.size()) {
        out += '?';
        break;
      }
      for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (text[i + k] & 0x3F);
    }
    i += length;
    char mapped = '?';
    if (code < 0x80 || (code >= 0xA0 && code < 0x100)) {
      mapped = static_cast<char>(code);
    } else {
      for (unsigned k = 0; k < 32; ++k) {
        if (high_block[k] == code || (high_block[k] == 0 && code == 0x80 + k)) {
          mapped = static_cast<char>(0x80 + k);
          break;
        }
      }
    }
    out += mapped;
  }
  return out;
}

}  // namespace meshmill
