#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "platform/forwarding_file_system.h"
#include "platform/paths.h"

namespace meshmill::testing {

// The real file system with injected failures: opening for reading, reading
// past a number of bytes, or creating a file of a given name.
class FaultyFileSystem : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

  bool fail_open = false;
  long fail_read_after = -1;  // bytes served before reads fail; -1 never
  std::string fail_create;    // file name whose creation fails
  std::string reason = "Permission denied";

  std::unique_ptr<InputStream> open_read(const std::string& path, std::string* why) override {
    if (fail_open) {
      if (why) *why = reason;
      return nullptr;
    }
    auto input = inner_.open_read(path, why);
    if (!input || fail_read_after < 0) return input;
    return std::make_unique<FailingInput>(std::move(input), fail_read_after, reason);
  }
  std::unique_ptr<OutputFile> create(const std::string& path, CreateMode mode,
                                     std::string* why) override {
    if (!fail_create.empty() && join_path(parent_folder(path), fail_create) == path) {
      if (why) *why = reason;
      return nullptr;
    }
    return inner_.create(path, mode, why);
  }

 private:
  class FailingInput : public InputStream {
   public:
    FailingInput(std::unique_ptr<InputStream> inner, long budget, std::string reason)
        : inner_(std::move(inner)), budget_(budget), reason_(std::move(reason)) {}
    std::ptrdiff_t read(char* buffer, std::size_t size) override {
      if (budget_ <= 0) {
        error_ = reason_;
        return -1;
      }
      std::ptrdiff_t got = inner_->read(buffer, std::min<std::size_t>(size, budget_));
      if (got > 0) budget_ -= got;
      return got;
    }
    const std::string& error() const override { return error_; }

   private:
    std::unique_ptr<InputStream> inner_;
    long budget_;
    std::string reason_;
    std::string error_;
  };
};

}  // namespace meshmill::testing
