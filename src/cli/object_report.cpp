#include "cli/object_report.h"

#include "app/report_command.h"
#include "platform/code_page.h"

namespace meshmill {

void write_object_records(JsonWriter& json, const Session& session) {
  if (!session.record_objects) return;
  json.key("objects");
  json.begin_array();
  for (const ObjectRecord& object : session.scene.records.objects) {
    json.begin_object();
    json.key("name");
    json.string(cp1252_to_utf8(object.name));
    json.key("line");
    json.number(object.line);
    json.key("status");
    json.string(object.status());
    json.key("reason");
    json.string_or_null(object.reason);
    json.key("file");
    json.string_or_null(object.file);
    json.key("faces");
    json.number(object.faces);
    json.key("vertices");
    json.number(object.vertices);
    json.key("bbox");
    if (object.has_bbox) {
      json.begin_array();
      // The box was gathered in floats; written as such it reads like the scene.
      for (double value : object.bbox) json.real(static_cast<float>(value));
      json.end_array();
    } else {
      json.null();
    }
    json.end_object();
  }
  json.end_array();
}

void write_scene_report_file(CliSession& cli, const RunSettings& settings, const std::string& path,
                             CommandOutcome& outcome) {
  Session& session = cli.session();
  auto& messages = session.scene.records.messages;
  messages.clear();
  for (const auto& shown : cli.prompt().messages()) {
    messages.push_back({shown.title, shown.style, shown.text});
  }
  std::string failure;
  if (!save_scene_report(session, settings, path, &failure)) {
    outcome = {CommandResult::failed, failure};
  }
}

}  // namespace meshmill
