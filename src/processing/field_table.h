#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace meshmill {

// The fields First .. First + Count - 1 of lines cut at every TAB, kept in
// one buffer: each line of an object's lists is split once, when it is read,
// and its buffers are reused from one object to the next.
template <std::size_t First, std::size_t Count>
class FieldTable {
 public:
  void clear() {
    bytes_.clear();
    entries_.clear();
  }

  void push(std::string_view line) {
    Entry entry{};
    std::size_t field = 0;
    std::size_t begin = 0;
    std::size_t found = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
      if (i < line.size() && line[i] != '\t') {
        if (field >= First && (line[i] == ' ' || line[i] == ':')) entry.plain = false;
        continue;
      }
      if (field >= First) {
        bytes_.append(line.substr(begin, i - begin));
        entry.end[found++] = bytes_.size();
      }
      begin = i + 1;
      if (++field == First + Count) {
        entry.complete = true;
        break;
      }
    }
    if (!entry.complete) entry.plain = false;
    seal(entry, found);
  }

  // A slot whose line did not carry the expected keyword.
  void push_missing() {
    Entry entry{};
    entry.plain = false;
    seal(entry, 0);
  }

  std::size_t size() const { return entries_.size(); }
  // The line had all the fields.
  bool complete(std::size_t i) const { return entries_[i].complete; }
  // No field holds a blank or a colon, so the vertex text built from them
  // splits back into the same fields.
  bool plain(std::size_t i) const { return entries_[i].plain; }
  std::string_view field(std::size_t i, std::size_t k) const {
    std::size_t begin =
        k > 0 ? entries_[i].end[k - 1] : (i > 0 ? entries_[i - 1].end[Count - 1] : 0);
    return std::string_view(bytes_).substr(begin, entries_[i].end[k] - begin);
  }

 private:
  struct Entry {
    std::array<std::size_t, Count> end;
    bool complete = false;
    bool plain = true;
  };

  // The fields a line lacks are kept empty.
  void seal(Entry& entry, std::size_t found) {
    for (std::size_t k = found; k < Count; ++k) entry.end[k] = k > 0 ? entry.end[k - 1] : start();
    entries_.push_back(entry);
  }
  std::size_t start() const { return entries_.empty() ? 0 : entries_.back().end[Count - 1]; }

  std::string bytes_;
  std::vector<Entry> entries_;
};

}  // namespace meshmill
