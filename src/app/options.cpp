#include "app/options.h"

namespace meshmill {

// Placeholders until the options file lands.
std::string options_file_path(FileSystem&, const std::string&) { return std::string(); }
void load_options(Session&) {}
void save_options(Session&) {}
void save_finish_options(Session&) {}

}  // namespace meshmill
