#include "analysis/material_input.h"

#include "analysis/scene_input.h"

namespace meshmill {

bool MaterialInput::open() {
  reader_ = open_scene_pass(session_);
  return reader_ != nullptr;
}

bool MaterialInput::next() {
  if (next_outside()) return true;
  if (ended_) refuse_scene(session_, invalid_ase_text);
  return false;
}

bool MaterialInput::next_outside() {
  if (reader_->next()) return true;
  if (reader_->failed()) {
    report_file_failure(session_, "read", session_.scene.fich, reader_->error());
  } else {
    ended_ = true;
  }
  return false;
}

bool MaterialInput::next_inside() {
  if (!next()) return false;
  if (!at_first_object()) return true;
  refuse_scene(session_, invalid_ase_text);
  return false;
}

bool MaterialInput::read_on() {
  return at_first_object() || next();
}

}  // namespace meshmill
