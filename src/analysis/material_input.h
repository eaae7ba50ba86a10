#pragma once

#include <memory>
#include <string_view>

#include "analysis/analysis_refusal.h"
#include "analysis/pass_outcome.h"
#include "format/line_reader.h"
#include "state/session.h"

namespace meshmill {

// The scene file as the material pass reads it, one line at a time, with
// every early end of the file turned into the refusal the user sees. Once a
// read answers false its message has been shown, except at an end of the
// file that next_outside() accepts.
class MaterialInput {
 public:
  explicit MaterialInput(Session& session) : session_(session) {}

  bool open();
  // The next line; false at the end of the file.
  bool next();
  // The next line outside the material list, where the end of the file only
  // ends the pass: false then, with ended() true and nothing shown.
  bool next_outside();
  // The next line of the material list: the first object also ends the list
  // too early.
  bool next_inside();
  // The read that closes a material: it does not read past the first object,
  // where the material list ends.
  bool read_on();

  std::string_view line() const { return reader_->line(); }
  bool at_first_object() const { return line() == first_object; }
  bool ended() const { return ended_; }
  // A read failed (and the failure has been shown).
  bool failed() const { return reader_->failed(); }

  static constexpr std::string_view first_object = "*GEOMOBJECT {";

 private:
  Session& session_;
  std::unique_ptr<LineReader> reader_;
  bool ended_ = false;
};

}  // namespace meshmill
