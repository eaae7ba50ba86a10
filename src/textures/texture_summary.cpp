#include "textures/texture_summary.h"

#include <string>

#include "platform/code_page.h"

namespace meshmill {

namespace {

constexpr std::size_t listed_textures = 20;

struct Count {
  std::int64_t count = 0;
  const char* singular;  // "is missing"
  const char* plural;    // "are missing"
};

std::string size_text(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

// The line that names a texture and what became of it, "" when all went well.
std::string texture_line(const TextureRecord& record) {
  std::string line;
  if (record.scaled()) {
    line = "scaled from " + size_text(record.source_width, record.source_height) + " to " +
           size_text(record.width, record.height);
  }
  std::string problems = record.problems();
  if (!problems.empty()) line = line.empty() ? problems : problems + "; " + line;
  if (line.empty()) return line;
  std::string named = "\"";
  named += cp1252_to_utf8(record.name);
  named += "\": ";
  return named + line;
}

}  // namespace

bool tell_texture_problems(Session& session, const std::vector<TextureRecord*>& textures) {
  Count missing{0, "is missing", "are missing"};
  Count unreadable{0, "could not be read", "could not be read"};
  Count scaled{0, "was scaled", "were scaled"};
  Count kept{0, "was kept", "were kept"};
  Count unwritten{0, "could not be written", "could not be written"};
  std::vector<std::string> lines;
  for (const TextureRecord* record : textures) {
    if (record->source.empty()) {
      ++missing.count;
    } else if (!record->readable()) {
      ++unreadable.count;
    } else if (record->pix_kept) {
      ++kept.count;
    } else if (record->pix.empty()) {
      ++unwritten.count;
    }
    if (record->scaled()) ++scaled.count;
    std::string line = texture_line(*record);
    if (!line.empty()) lines.push_back(line);
  }
  std::string text;
  for (const Count* part : {&missing, &unreadable, &unwritten, &kept, &scaled}) {
    if (part->count == 0) continue;
    const bool one = part->count == 1;
    text += text.empty() ? std::to_string(part->count) + (one ? " texture " : " textures ")
                         : ", " + std::to_string(part->count) + " ";
    text += one ? part->singular : part->plural;
  }
  if (text.empty()) return false;
  text += ": see the report";
  for (std::size_t i = 0; i < lines.size() && i < listed_textures; ++i) text += "\n" + lines[i];
  if (lines.size() > listed_textures) {
    text += "\n... and " + std::to_string(lines.size() - listed_textures) + " more.";
  }
  session.prompt.message_box(text, style::warning_icon, "Textures");
  return true;
}

}  // namespace meshmill
