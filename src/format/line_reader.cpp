#include "format/line_reader.h"

#include <algorithm>
#include <cstring>

namespace meshmill {

namespace {
constexpr std::size_t chunk_size = 1 << 20;
}

LineReader::LineReader(std::unique_ptr<InputStream> input, std::size_t max_line_length)
    : input_(std::move(input)),
      max_line_length_(std::max<std::size_t>(max_line_length, 1)),
      buffer_size_(chunk_size + max_line_length_),
      buffer_(std::make_unique_for_overwrite<char[]>(buffer_size_)) {}

const std::string& LineReader::error() const {
  static const std::string none;
  return input_ ? input_->error() : none;
}

// Moves the unread bytes to the front and appends what the input gives.
bool LineReader::fill() {
  if (eof_ || failed_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_size_) return true;
  std::ptrdiff_t got = input_->read(buffer_.get() + end_, buffer_size_ - end_);
  if (got < 0) {
    failed_ = true;
    return false;
  }
  if (got == 0) {
    eof_ = true;
    return false;
  }
  end_ += static_cast<std::size_t>(got);
  return true;
}

bool LineReader::next() {
  truncated_ = false;
  long_line_.clear();
  std::size_t scanned = 0;  // bytes from begin_ already known to hold no line feed
  for (;;) {
    const char* start = buffer_.get() + begin_;
    const void* feed = std::memchr(start + scanned, '\n', end_ - begin_ - scanned);
    if (feed) {
      auto length = static_cast<std::size_t>(static_cast<const char*>(feed) - start);
      std::size_t consumed = length + 1;
      if (!truncated_ && length > 0 && start[length - 1] == '\r') --length;
      if (truncated_) {
        // Only the beginning of the line is kept; the rest is dropped.
        line_ = long_line_;
      } else {
        line_ = std::string_view(start, std::min(length, max_line_length_));
        truncated_ = length > max_line_length_;
      }
      begin_ += consumed;
      ++number_;
      return true;
    }
    scanned = end_ - begin_;
    if (!truncated_ && scanned >= max_line_length_) {
      // Keep the first max_line_length_ bytes and drop the rest up to the line feed.
      long_line_.assign(start, max_line_length_);
      truncated_ = true;
    }
    if (truncated_) {
      begin_ = end_;
      scanned = 0;
    }
    if (!fill()) {
      if (failed_) return false;
      std::size_t rest = end_ - begin_;
      if (rest == 0 && !truncated_) return false;
      // A last line without a line end.
      if (truncated_) {
        line_ = long_line_;
      } else {
        line_ = std::string_view(buffer_.get() + begin_, rest);
      }
      begin_ = end_;
      ++number_;
      return true;
    }
  }
}

}  // namespace meshmill
