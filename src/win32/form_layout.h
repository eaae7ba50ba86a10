#pragma once

#include <windows.h>

#include <vector>

#include "win32/form_controls.h"

namespace meshmill::win32 {

// Places Form1's controls in rows: the rows above the frames across the whole
// width, then the two frames side by side. In a row of two controls the first
// (a caption) takes a column as wide as the frame's widest caption. Sizes come
// from the controls' fonts and the DPI, so the form is as crisp at 200 % as at
// 100 %; hidden controls keep their room, so nothing jumps while a pass runs.
class FormLayout {
 public:
  // Measures every control with its font at `dpi`; call again when either changes.
  void measure(const FormControls& controls, UINT dpi);
  // The smallest client area in which everything fits.
  SIZE minimum_size() const { return minimum_; }
  // Places the controls in a client area of `client` (at least minimum_size()).
  void place(SIZE client) const;

 private:
  struct Item {
    const FormControl* control;
    SIZE natural;
  };
  struct Row {
    std::vector<Item> items;
    int height = 0;
  };
  struct Section {
    const FormControl* frame = nullptr;  // none for the rows above the frames
    std::vector<Row> rows;
    int caption_column = 0;  // width of the first control of two-control rows
    int frame_caption = 0;   // the frame's caption needs this width
    SIZE content{};          // the rows alone
    SIZE natural{};          // with the frame
  };

  SIZE measure_item(const FormControl& control, HDC screen) const;
  void measure_section(Section& section) const;
  void place_section(HDWP& positions, const Section& section, RECT area) const;

  std::vector<Section> sections_;  // above the frames, settings, statistics
  UINT dpi_ = 96;
  int text_height_ = 0;
  SIZE minimum_{};
};

}  // namespace meshmill::win32
