#pragma once
// Drawing the publisher record card: the title, the header with its boxes
// and the month tables, on the printer (the form's own column stops) or in
// the dialog's preview (equal columns, short headings, thin pens).

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "records/record_card.h"

namespace ledra::reports {

// Seven numbers read at fixed places of a string-table text: two digits
// three apart, or three digits four apart. A missing or bad number is 0.
std::array<int, 7> ReadStops(std::string_view text, int digits);

// A heading split into up to `max_lines` lines at blanks or hyphens, only
// where the line would not fit `width` (measured by `fits`): never before the
// third character, nor less than four characters after the previous split.
std::vector<std::string> SplitHeading(std::string_view text, int max_lines,
                                      const std::function<bool(std::string_view)>& fits);

struct CardStyle {
  bool screen = false;
  // The paper's height decides the card's width on the printer.
  int paper_height_tenths = 110;
  std::string language_code = "ptg";
};

// One card on one page (the canvas's origin at the paper's corner).
void DrawRecordCard(Canvas& canvas, const records::RecordCard& card, const CardStyle& style);

// The card's extent on a target of that resolution (for a preview's scroll area).
Rect RecordCardExtent(int dpi_x, int dpi_y, const records::RecordCard& card,
                      const CardStyle& style);

}  // namespace ledra::reports
