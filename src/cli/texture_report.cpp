#include "cli/texture_report.h"

#include "platform/code_page.h"

namespace meshmill {

namespace {

void text_or_null(JsonWriter& json, const std::string& text) {
  if (text.empty()) {
    json.null();
  } else {
    json.string(text);
  }
}

void number_or_null(JsonWriter& json, int value) {
  if (value == 0) {
    json.null();
  } else {
    json.number(value);
  }
}

}  // namespace

void write_texture_report(JsonWriter& json, const SceneState& scene) {
  json.key("textures");
  json.begin_array();
  for (const TextureRecord& record : scene.textures) {
    json.begin_object();
    json.key("name");
    json.string(cp1252_to_utf8(record.name));
    json.key("source");
    text_or_null(json, record.source);
    json.key("tif");
    text_or_null(json, record.tif);
    json.key("tif_written");
    json.boolean(record.tif_written);
    json.key("pix");
    text_or_null(json, record.pix);
    json.key("type");
    number_or_null(json, record.pix_type);
    json.key("width");
    number_or_null(json, record.width);
    json.key("height");
    number_or_null(json, record.height);
    json.key("source_width");
    number_or_null(json, record.source_width);
    json.key("source_height");
    number_or_null(json, record.source_height);
    json.key("problem");
    text_or_null(json, record.problems());
    json.end_object();
  }
  json.end_array();
}

}  // namespace meshmill
