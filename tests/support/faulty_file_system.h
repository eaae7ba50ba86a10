#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "platform/forwarding_file_system.h"
#include "platform/paths.h"

namespace meshmill::testing {

// The real file system with injected failures: opening for reading, reading
// past a number of bytes, creating a file of a given name, writing past a
// number of bytes into a file of a given name (a full disk), copying or
// renaming files. It also counts the files it has handed out that are still
// open, so tests can check that a run closes everything.
class FaultyFileSystem : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

  bool fail_open = false;
  long fail_read_after = -1;  // bytes served before reads fail; -1 never
  std::string fail_create;    // file name whose creation fails
  std::string fail_create_in;  // folder in which no file can be created
  std::string fail_write;     // file name whose writes fail after fail_write_after bytes
  long fail_write_after = 0;
  bool fail_copy = false;
  bool fail_rename = false;
  std::string reason = "Permission denied";

  // Files opened for reading or created through this file system and not yet destroyed.
  int open_files() const { return *open_; }

  std::unique_ptr<InputStream> open_read(const std::string& path, std::string* why) override {
    if (fail_open) {
      if (why) *why = reason;
      return nullptr;
    }
    auto input = inner_.open_read(path, why);
    if (!input) return input;
    return std::make_unique<FailingInput>(std::move(input), fail_read_after, reason, open_);
  }
  std::unique_ptr<OutputFile> create(const std::string& path, CreateMode mode,
                                     std::string* why) override {
    if (named(path, fail_create) || parent_folder(path) == fail_create_in) {
      if (why) *why = reason;
      return nullptr;
    }
    auto file = inner_.create(path, mode, why);
    if (!file) return file;
    long budget = named(path, fail_write) ? fail_write_after : -1;
    return std::make_unique<FullOutput>(std::move(file), budget, open_);
  }
  bool copy_file(const std::string& from, const std::string& to, std::string* why) override {
    if (!fail_copy) return inner_.copy_file(from, to, why);
    if (why) *why = reason;
    return false;
  }
  bool rename_file(const std::string& from, const std::string& to, std::string* why) override {
    if (!fail_rename) return inner_.rename_file(from, to, why);
    if (why) *why = reason;
    return false;
  }

 private:
  static bool named(const std::string& path, const std::string& name) {
    return !name.empty() && join_path(parent_folder(path), name) == path;
  }

  // Counts itself among the open files while it lives.
  class Counted {
   public:
    explicit Counted(std::shared_ptr<int> count) : count_(std::move(count)) { ++*count_; }
    ~Counted() { --*count_; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

   private:
    std::shared_ptr<int> count_;
  };

  // Takes `budget` bytes (-1: any number), then fails as a full disk does.
  // The real file is then never closed: one written beside its name is
  // discarded, one written in place keeps what reached the disk.
  class FullOutput : public OutputFile {
   public:
    FullOutput(std::unique_ptr<OutputFile> inner, long budget, std::shared_ptr<int> count)
        : inner_(std::move(inner)), budget_(budget), counted_(std::move(count)) {}
    void write(std::string_view bytes) override {
      if (full_) return;
      if (budget_ < 0) {
        inner_->write(bytes);
        return;
      }
      if (static_cast<long>(bytes.size()) > budget_) {
        inner_->write(bytes.substr(0, static_cast<std::size_t>(budget_)));
        full_ = true;
        return;
      }
      budget_ -= static_cast<long>(bytes.size());
      inner_->write(bytes);
    }
    bool close() override { return !full_ && inner_->close(); }
    bool failed() const override { return full_ || inner_->failed(); }
    const std::string& error() const override { return full_ ? error_ : inner_->error(); }

   private:
    std::unique_ptr<OutputFile> inner_;
    long budget_;
    Counted counted_;
    bool full_ = false;
    std::string error_ = "No space left on device";
  };

  class FailingInput : public InputStream {
   public:
    FailingInput(std::unique_ptr<InputStream> inner, long budget, std::string reason,
                 std::shared_ptr<int> count)
        : inner_(std::move(inner)),
          budget_(budget),
          reason_(std::move(reason)),
          counted_(std::move(count)) {}
    std::ptrdiff_t read(char* buffer, std::size_t size) override {
      if (budget_ < 0) return inner_->read(buffer, size);
      if (budget_ == 0) {
        error_ = reason_;
        return -1;
      }
      std::ptrdiff_t got =
          inner_->read(buffer, std::min(size, static_cast<std::size_t>(budget_)));
      if (got > 0) budget_ -= static_cast<long>(got);
      return got;
    }
    const std::string& error() const override { return error_; }

   private:
    std::unique_ptr<InputStream> inner_;
    long budget_;
    std::string reason_;
    Counted counted_;
    std::string error_;
  };

  std::shared_ptr<int> open_ = std::make_shared<int>(0);
};

}  // namespace meshmill::testing
