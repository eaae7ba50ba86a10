#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace meshmill {

namespace {

// Length of the valid UTF-8 sequence at `at`, 0 when the bytes there are not one.
std::size_t utf8_sequence(std::string_view text, std::size_t at) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(at + k) & 0xC0) != 0x80) return 0;
  }
  unsigned char second = byte(at + 1);
  if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
  if (lead == 0xED && second > 0x9F) return 0;  // surrogate
  if (lead == 0xF0 && second < 0x90) return 0;  // overlong
  if (lead == 0xF4 && second > 0x8F) return 0;  // past U+10FFFF
  return length;
}

}  // namespace

void JsonWriter::before_value() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!has_members_.empty()) {
    if (has_members_.back()) out_ += ',';
    has_members_.back() = true;
  }
}

void JsonWriter::begin_object() {
  before_value();
  out_ += '{';
  has_members_.push_back(false);
}

void JsonWriter::end_object() {
  out_ += '}';
  has_members_.pop_back();
}

void JsonWriter::begin_array() {
  before_value();
  out_ += '[';
  has_members_.push_back(false);
}

void JsonWriter::end_array() {
  out_ += ']';
  has_members_.pop_back();
}

void JsonWriter::key(std::string_view name) {
  before_value();
  quoted(name);
  out_ += ':';
  after_key_ = true;
}

void JsonWriter::string(std::string_view text) {
  before_value();
  quoted(text);
}

void JsonWriter::number(std::int64_t value) {
  before_value();
  out_ += std::to_string(value);
}

void JsonWriter::real(float value) {
  before_value();
  if (!std::isfinite(value)) {
    out_ += "null";
    return;
  }
  // The shortest text that reads back as the same float.
  char digits[32];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out_.append(digits, result.ptr);
}

void JsonWriter::boolean(bool value) {
  before_value();
  out_ += value ? "true" : "false";
}

void JsonWriter::null() {
  before_value();
  out_ += "null";
}

void JsonWriter::quoted(std::string_view text) {
  out_ += '"';
  for (std::size_t i = 0; i < text.size();) {
    char c = text[i];
    std::size_t length = utf8_sequence(text, i);
    if (length == 0) {
      out_ += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    if (length > 1) {
      out_.append(text.substr(i, length));
    } else if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += c;
    } else if (c == '\n') {
      out_ += "\\n";
    } else if (c == '\r') {
      out_ += "\\r";
    } else if (c == '\t') {
      out_ += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      out_ += escape;
    } else {
      out_ += c;
    }
    i += length;
  }
  out_ += '"';
}

void JsonWriter::string_or_null(std::string_view text) {
  if (text.empty()) {
    null();
  } else {
    string(text);
  }
}

void JsonWriter::count_or_null(std::int64_t value) {
  if (value == 0) {
    null();
  } else {
    number(value);
  }
}

}  // namespace meshmill
