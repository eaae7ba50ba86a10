#include "cli/cli_session.h"

#include "platform/paths.h"
#include "platform/process.h"

namespace meshmill {

CliSession::CliSession(QuestionPolicy policy)
    : native_(make_native_file_system()),
      files_(*native_),
      prompt_(policy),
      session_(prompt_, files_, pump_) {
  session_.program_folder = program_folder();
  session_.textures = &texture_work_;
}

CliSession::~CliSession() {
  for (auto* stream : {&session_.scene.logerrors, &session_.scene.special_mats}) {
    if (*stream) (*stream)->close();
  }
}

std::string CliSession::created_file_left(const std::string& name) {
  const auto& created = files_.created();
  for (auto it = created.rbegin(); it != created.rend(); ++it) {
    if (join_path(parent_folder(*it), name) == *it && files_.file_exists(*it)) return *it;
  }
  return std::string();
}

}  // namespace meshmill
