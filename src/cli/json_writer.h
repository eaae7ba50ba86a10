#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace meshmill {

// Writes one JSON document into a string. Strings are taken as UTF-8; bytes
// that are not valid UTF-8 become U+FFFD, so the output is always valid.
class JsonWriter {
 public:
  void begin_object();
  void end_object();
  void begin_array();
  void end_array();
  // The key of the next member of the current object.
  void key(std::string_view name);
  void string(std::string_view text);
  void number(std::int64_t value);
  // A number held as a float; null when it is not finite.
  void real(float value);
  void boolean(bool value);
  void null();
  // null for an empty text, or for a count of 0 that stands for "none".
  void string_or_null(std::string_view text);
  void count_or_null(std::int64_t value);

  const std::string& text() const { return out_; }

 private:
  void before_value();
  void quoted(std::string_view text);

  std::string out_;
  std::vector<bool> has_members_;  // one entry per open object or array
  bool after_key_ = false;
};

}  // namespace meshmill
