#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "format/line_reader.h"

namespace meshmill {

// Why an object of an .asc input can't be taken as it stands.
enum class AscFault {
  none,
  unnamed,           // the name line has no quoted name
  counts_missing,    // no "Tri-mesh" line after the name line
  counts_malformed,  // the counts line lacks one of its ":" or the word "faces"
  no_vertices,
  no_faces,
  too_many_faces,
  header_missing,  // neither "Mapped" nor "Vertex list:" after the counts line
  vertex_line,     // vertex line `index` is missing or out of sequence
  face_line,       // face line `index` is missing or out of sequence
  input_ended      // the file ended (or could not be read) inside the object
};

// One object as far as it was read. `line` is the pass line counter at the
// line that ended the reading (the faulty line for a fault).
struct AscObject {
  std::string name;  // in the scene's code page
  std::int64_t vertices = 0;
  std::int64_t faces = 0;
  AscFault fault = AscFault::none;
  std::int64_t index = 0;  // the vertex or face number of a line fault
  std::int64_t line = 0;
  // The vertex and face lines were there to check: each list may be passed
  // over when its first line doesn't look like one of its lines.
  bool vertex_lines = false;
  bool face_lines = false;
};

// Receives the vertex and face lines of an object, each once its number has
// been checked.
class AscLineSink {
 public:
  virtual ~AscLineSink() = default;
  virtual void vertex_line(std::int64_t k, std::string_view line) = 0;
  virtual void face_line(std::int64_t k, std::string_view line) = 0;
};

// The counts of a "Tri-mesh" line, found by the positions of its two ":" and
// of the word "faces": false when one of them is missing.
bool read_asc_counts(std::string_view line, std::int64_t& vertices, std::int64_t& faces);

// Steps through an .asc input the way both of its passes do: one line per
// step, and a whole object when the line is a name line. The pass ends when
// its line counter reaches the line count of the first pass. The analysis
// counts from 0, so its counter is the number of the line last read; the
// processing counts from 1 and so never reads the last line on its own. A name
// line that directly ends an object is handed out as the next step instead of
// being passed over.
class AscScan {
 public:
  enum class Counting { from_zero, from_one };

  AscScan(LineReader& reader, std::int64_t nr_line2, Counting counting)
      : reader_(reader), nr_line2_(nr_line2), offset_(counting == Counting::from_one ? 1 : 0) {}

  std::int64_t counter() const { return reader_.number() + offset_; }
  bool more() const { return pending_ || counter() < nr_line2_; }

  // Reads the step's line (unless the last object ended on one). False when
  // the file ended before the count of the first pass.
  bool next_step();
  bool at_object() const;

  // Reads the object whose name line is current, handing its vertex and face
  // lines to `sink` (which may be null). Stops at the first fault.
  void read_object(AscObject& object, AscLineSink* sink);

  const LineReader& reader() const { return reader_; }

 private:
  bool read();
  bool fault(AscObject& object, AscFault fault, std::int64_t index = 0);
  bool read_counts(AscObject& object);
  bool read_vertices(AscObject& object, AscLineSink* sink);
  bool read_faces(AscObject& object, AscLineSink* sink);
  // Reads the line after a face line, its material or its smoothing line:
  // after the last face the end of the file is no fault.
  bool read_after_face(bool last);

  LineReader& reader_;
  std::int64_t nr_line2_;
  std::int64_t offset_;
  bool pending_ = false;  // the current line is a name line still to examine
  bool ended_ = false;    // the last read met the end of the file
  std::string lowered_;
};

}  // namespace meshmill
