#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace meshmill {

// Lines kept in one buffer, so holding an object's lists costs no allocation
// per line and the buffers are reused from one object to the next.
class LineTable {
 public:
  void clear() {
    bytes_.clear();
    ends_.clear();
  }
  void push(std::string_view line) {
    bytes_.append(line);
    ends_.push_back(bytes_.size());
  }
  std::size_t size() const { return ends_.size(); }
  std::string_view operator[](std::size_t i) const {
    std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_).substr(begin, ends_[i] - begin);
  }

 private:
  std::string bytes_;
  std::vector<std::size_t> ends_;
};

}  // namespace meshmill
