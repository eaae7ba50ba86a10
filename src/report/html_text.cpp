#include "report/html_text.h"

#include <charconv>
#include <cmath>

#include "platform/code_page.h"

namespace meshmill {

namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";

// The length of the valid UTF-8 sequence at the start of `text`, 0 when it is not one.
std::size_t sequence_length(std::string_view text) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  std::size_t length = lead < 0x80                   ? 1
                       : lead >= 0xC2 && lead < 0xE0 ? 2
                       : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xF0 && lead < 0xF5 ? 4
                                                     : 0;
  if (length == 0 || length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  // Overlong forms, surrogates and code points past U+10FFFF.
  if (lead == 0xE0 && byte(1) < 0xA0) return 0;
  if (lead == 0xED && byte(1) >= 0xA0) return 0;
  if (lead == 0xF0 && byte(1) < 0x90) return 0;
  if (lead == 0xF4 && byte(1) >= 0x90) return 0;
  return length;
}

}  // namespace

void append_html(std::string& out, std::string_view utf8) {
  while (!utf8.empty()) {
    char c = utf8.front();
    std::size_t length = sequence_length(utf8);
    if (length == 0) {
      out += replacement;
      utf8.remove_prefix(1);
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') || c == '\x7F') {
          out += replacement;
        } else {
          out.append(utf8.substr(0, length));
        }
    }
    utf8.remove_prefix(length);
  }
}

void append_scene_html(std::string& out, std::string_view cp1252) {
  append_html(out, cp1252_to_utf8(cp1252));
}

void append_count(std::string& out, std::int64_t value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

void append_coordinate(std::string& out, double value) {
  // Tenths as a whole number: far quicker than formatting a double, and the
  // map writes several per object.
  if (!std::isfinite(value) || value > 1e15 || value < -1e15) value = 0;
  auto tenths = static_cast<std::int64_t>(std::llround(value * 10));
  if (tenths < 0) {
    out += '-';
    tenths = -tenths;
  }
  append_count(out, tenths / 10);
  if (tenths % 10 != 0) {
    out += '.';
    out += static_cast<char>('0' + tenths % 10);
  }
}

void append_decimal(std::string& out, double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  char digits[48];
  auto result =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
  std::string_view text(digits, static_cast<std::size_t>(result.ptr - digits));
  if (text.find('.') != std::string_view::npos) {
    while (text.back() == '0') text.remove_suffix(1);
    if (text.back() == '.') text.remove_suffix(1);
  }
  if (text == "-0") text = "0";
  out.append(text);
}

void append_base64(std::string& out, std::string_view bytes) {
  static constexpr char digits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const auto word = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]) << 16 |
                                                 static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                                 static_cast<unsigned char>(bytes[i + 2]));
    for (int shift = 18; shift >= 0; shift -= 6) out += digits[(word >> shift) & 63];
  }
  if (i == bytes.size()) return;
  auto word = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]) << 16);
  if (i + 1 < bytes.size())
    word |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1]) << 8);
  out += digits[(word >> 18) & 63];
  out += digits[(word >> 12) & 63];
  out += i + 1 < bytes.size() ? digits[(word >> 6) & 63] : '=';
  out += '=';
}

}  // namespace meshmill
