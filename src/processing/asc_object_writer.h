#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "format/asc_object_reader.h"
#include "platform/file_system.h"

namespace meshmill {

// Re-writes the objects of an .asc input as blocks of the same format,
// without their "Mapped", material and smoothing lines. Keeps its buffers
// from object to object, so they grow to the largest object only.
class AscObjectWriter : private AscLineSink {
 public:
  explicit AscObjectWriter(bool axis_flip) : axis_flip_(axis_flip) {}

  // Reads the object whose name line is current and writes its block to
  // `out`. Nothing of an object that breaks off is written: the result is
  // false and `reason` says why.
  bool write_asc_object(AscScan& scan, OutputFile& out, std::string& reason);
  // The name of the object last read (in the scene's code page).
  const std::string& name() const { return object_.name; }

 private:
  void vertex_line(std::int64_t k, std::string_view line) override;
  void face_line(std::int64_t k, std::string_view line) override;
  std::string fault_reason() const;

  bool axis_flip_;
  AscObject object_;
  std::int64_t unreadable_vertex_ = -1;  // first vertex line the axis flip can't split
  std::string vertices_;                 // the vertex lines to write, each with its line end
  std::string faces_;                    // the face lines to write
  std::string head_;                     // name and counts lines
};

}  // namespace meshmill
