#include "support/temp_folder.h"

#include <atomic>
#include <random>
#include <sstream>

#include "platform/paths.h"

namespace meshmill::testing {

namespace stdfs = std::filesystem;

namespace {

// Paths are UTF-8; on Windows a narrow std::string path would be read in the
// ANSI code page instead.
stdfs::path disk_path(const std::string& utf8) {
  return stdfs::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::ostringstream name;
  name << "meshmill-test-" << std::random_device{}() << "-" << counter++;
  stdfs::path folder = stdfs::temp_directory_path() / name.str();
  stdfs::remove_all(folder);
  stdfs::create_directories(folder);
  std::u8string utf8 = folder.u8string();
  path_.assign(utf8.begin(), utf8.end());
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  stdfs::remove_all(disk_path(path_), ignored);
}

std::string TempFolder::file(const std::string& name) const {
  return join_path(path_, name);
}

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::string path = file(name);
  write_file(path, bytes);
  return path;
}

std::string TempFolder::read(const std::string& name) const {
  return read_file(file(name));
}

bool TempFolder::exists(const std::string& name) const {
  return stdfs::exists(disk_path(file(name)));
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(disk_path(path), std::ios::binary);
  out << bytes;
}

std::string read_file(const std::string& path) {
  std::ifstream in(disk_path(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace meshmill::testing
