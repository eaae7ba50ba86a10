#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace meshmill {

// Streams a scene file line by line without holding it. A line feed ends a
// line and a carriage return right before it is dropped; a last line without
// a line end is still a line. Lines longer than `max_line_length` are cut
// there (see truncated()) so one enormous line cannot exhaust memory.
class LineReader {
 public:
  static constexpr std::size_t default_max_line_length = 1 << 20;

  explicit LineReader(std::unique_ptr<InputStream> input,
                      std::size_t max_line_length = default_max_line_length);

  // Reads the next line; false at the end of the file or on a read failure.
  bool next();
  std::string_view line() const { return line_; }
  // 1-based number of the line last read (0 before the first read).
  std::int64_t number() const { return number_; }
  // The current line was longer than the limit and holds only its beginning.
  bool truncated() const { return truncated_; }
  // A read failed; error() holds the system's reason.
  bool failed() const { return failed_; }
  const std::string& error() const;

 private:
  bool fill();

  std::unique_ptr<InputStream> input_;
  std::size_t max_line_length_;
  // Left uninitialised: a small file touches only the pages it fills.
  std::size_t buffer_size_;
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool failed_ = false;
  std::string long_line_;
  std::string_view line_;
  std::int64_t number_ = 0;
  bool truncated_ = false;
};

}  // namespace meshmill
