#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace meshmill {

// A private-profile (INI) file held as its bytes, read and changed the way the
// classic profile functions do: section and key names match without regard to
// (ASCII) letter case, and a change rewrites only the line of its key, so other
// sections, keys, comments and line ends stay as they are.
class IniFile {
 public:
  // A missing or unreadable file gives an empty profile.
  static IniFile load(FileSystem& fs, const std::string& path);

  // The value of `key` in `section`, or `default_text` when either is missing,
  // cut to what a buffer of `buffer_size` characters holds (its last one is the
  // terminating zero).
  std::string read(std::string_view section, std::string_view key, std::string_view default_text,
                   std::size_t buffer_size) const;

  // Sets `key` in `section`, adding the section (at the end) or the key (after
  // the section's last entry) when missing. New lines end with CR LF.
  void write(std::string_view section, std::string_view key, std::string_view value);

  // Writes the profile beside `path` and moves it into place, so a failure
  // never leaves a half-written file.
  bool save(FileSystem& fs, const std::string& path, std::string* why = nullptr) const;

  const std::string& bytes() const { return bytes_; }

 private:
  struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;  // past the line's text, before its line end
  };
  // The section's header line, or nothing when missing.
  bool find_section(std::string_view section, Span& header) const;
  // The key's line inside the section that starts after `header`.
  bool find_key(const Span& header, std::string_view key, Span& line) const;
  // Where a new key goes: after the last non-blank line of the section.
  std::size_t section_insert_point(const Span& header) const;

  std::string bytes_;
};

}  // namespace meshmill
