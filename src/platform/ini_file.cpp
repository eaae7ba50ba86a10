#include "platform/ini_file.h"

#include "platform/ascii_case.h"

namespace meshmill {

namespace {

constexpr std::string_view new_line = "\r\n";
// Editors may start a profile saved as UTF-8 with a byte-order mark.
constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (is_blank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// One line of the profile: its text without the line end, and where the next begins.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

Line line_at(const std::string& bytes, std::size_t begin) {
  std::size_t feed = bytes.find('\n', begin);
  Line line{begin, feed == std::string::npos ? bytes.size() : feed, 0};
  line.next = feed == std::string::npos ? bytes.size() : feed + 1;
  if (line.end > line.begin && bytes[line.end - 1] == '\r') --line.end;
  return line;
}

std::string_view text_of(const std::string& bytes, const Line& line) {
  std::string_view text(bytes.data() + line.begin, line.end - line.begin);
  if (line.begin == 0 && text.starts_with(byte_order_mark))
    text.remove_prefix(byte_order_mark.size());
  return trim(text);
}

// The name of a "[section]" line, or nothing when the line is no section header.
bool section_name(std::string_view text, std::string_view& name) {
  if (!text.starts_with('[')) return false;
  std::size_t close = text.find(']');
  name = trim(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  return true;
}

// Splits a "key=value" line; comments and lines without "=" hold no key.
bool key_and_value(std::string_view text, std::string_view& key, std::string_view& value) {
  if (text.starts_with(';')) return false;
  std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return false;
  key = trim(text.substr(0, equals));
  value = trim(text.substr(equals + 1));
  // A value written in matching quotes is read without them.
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return true;
}

}  // namespace

IniFile IniFile::load(FileSystem& fs, const std::string& path) {
  IniFile file;
  auto input = fs.open_read(path, nullptr);
  if (!input) return file;
  char buffer[4096];
  for (std::ptrdiff_t got; (got = input->read(buffer, sizeof buffer)) > 0;) {
    file.bytes_.append(buffer, static_cast<std::size_t>(got));
  }
  if (!input->error().empty()) file.bytes_.clear();  // unreadable: as if missing
  return file;
}

bool IniFile::find_section(std::string_view section, Span& header) const {
  for (std::size_t at = 0; at < bytes_.size();) {
    Line line = line_at(bytes_, at);
    std::string_view name;
    if (section_name(text_of(bytes_, line), name) && equal_ignoring_case(name, section)) {
      header = {line.begin, line.next};
      return true;
    }
    at = line.next;
  }
  return false;
}

bool IniFile::find_key(const Span& header, std::string_view key, Span& found) const {
  for (std::size_t at = header.end; at < bytes_.size();) {
    Line line = line_at(bytes_, at);
    std::string_view text = text_of(bytes_, line), name, value;
    if (section_name(text, name)) return false;
    if (key_and_value(text, name, value) && equal_ignoring_case(name, key)) {
      found = {line.begin, line.end};
      return true;
    }
    at = line.next;
  }
  return false;
}

std::size_t IniFile::section_insert_point(const Span& header) const {
  std::size_t point = header.end;
  for (std::size_t at = header.end; at < bytes_.size();) {
    Line line = line_at(bytes_, at);
    std::string_view text = text_of(bytes_, line), name;
    if (section_name(text, name)) break;
    if (!text.empty()) point = line.next;
    at = line.next;
  }
  return point;
}

std::string IniFile::read(std::string_view section, std::string_view key,
                          std::string_view default_text, std::size_t buffer_size) const {
  std::string_view result = default_text;
  Span header, line;
  if (find_section(section, header) && find_key(header, key, line)) {
    std::string_view name;
    key_and_value(text_of(bytes_, {line.begin, line.end, line.end}), name, result);
  }
  if (buffer_size == 0) return std::string();
  return std::string(result.substr(0, buffer_size - 1));
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
  Span header, line;
  if (!find_section(section, header)) {
    if (!bytes_.empty() && bytes_.back() != '\n') bytes_ += new_line;
    bytes_.append("[").append(section).append("]").append(new_line);
    bytes_.append(key).append("=").append(value).append(new_line);
    return;
  }
  if (find_key(header, key, line)) {
    // Keep the key as the file spells it; only the value changes.
    std::string_view name, old_value;
    key_and_value(text_of(bytes_, {line.begin, line.end, line.end}), name, old_value);
    std::string replacement = std::string(name) + "=" + std::string(value);
    bytes_.replace(line.begin, line.end - line.begin, replacement);
    return;
  }
  std::size_t point = section_insert_point(header);
  std::string entry;
  if (point > 0 && bytes_[point - 1] != '\n') entry += new_line;  // the header ends the file
  entry.append(key).append("=").append(value).append(new_line);
  bytes_.insert(point, entry);
}

bool IniFile::save(FileSystem& fs, const std::string& path, std::string* why) const {
  return write_file_atomically(fs, path, bytes_, why);
}

}  // namespace meshmill
