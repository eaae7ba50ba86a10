#include "analysis/material_input.h"

namespace meshmill {

PassOutcome refuse_materials(Session& session, const std::string& text) {
  session.prompt.message_box(text, style::error_icon, "Error");
  return PassOutcome::stopped;
}

PassOutcome report_file_failure(Session& session, const std::string& action,
                                const std::string& path, const std::string& why) {
  return refuse_materials(session, "The file " + path + " couldn't be " + action + ": " + why);
}

bool MaterialInput::open() {
  std::string why;
  auto input = session_.fs.open_read(session_.scene.fich, &why);
  if (!input) {
    report_file_failure(session_, "opened", session_.scene.fich, why);
    return false;
  }
  reader_ = std::make_unique<LineReader>(std::move(input));
  return true;
}

bool MaterialInput::next() {
  if (next_outside()) return true;
  if (ended_) refuse_materials(session_, invalid_ase_text);
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
  refuse_materials(session_, invalid_ase_text);
  return false;
}

bool MaterialInput::read_on() {
  return at_first_object() || next();
}

}  // namespace meshmill
