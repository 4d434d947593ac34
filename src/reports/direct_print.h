#pragma once
// Printing a document of a dialog's own (a status list, record cards) straight
// to the default printer, without the print dialog. The printer sits behind a
// small port so that the decisions here run without one.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/printer_port.h"
#include "platform/prompter.h"

namespace ledra::reports {

// A canvas that passes every call on and turns the second and later
// StartPage into a new sheet of the job.
class PageBreakCanvas final : public Canvas {
 public:
  explicit PageBreakCanvas(PrintJob& job) : job_(job), inner_(job.canvas()) {}

  int dpi_x() const override { return inner_.dpi_x(); }
  int dpi_y() const override { return inner_.dpi_y(); }
  void SetFont(const FontSpec& font) override { inner_.SetFont(font); }
  TextMetrics Metrics() const override { return inner_.Metrics(); }
  TextMetrics MetricsOf(const FontSpec& font) const override { return inner_.MetricsOf(font); }
  int TextWidthOf(const FontSpec& font, std::string_view ansi) const override {
    return inner_.TextWidthOf(font, ansi);
  }
  int TextWidth(std::string_view ansi) const override { return inner_.TextWidth(ansi); }
  void Text(int x, int y, std::string_view ansi, HAlign h, VAlign v) override {
    inner_.Text(x, y, ansi, h, v);
  }
  void Line(int x1, int y1, int x2, int y2, int pen_width) override {
    inner_.Line(x1, y1, x2, y2, pen_width);
  }
  void Rectangle(const Rect& r, int pen_width) override { inner_.Rectangle(r, pen_width); }
  void SetClip(const Rect& r) override { inner_.SetClip(r); }
  void ShiftOrigin(int dx, int dy) override { inner_.ShiftOrigin(dx, dy); }
  void StartPage() override;
  void EndPage() override { inner_.EndPage(); }

  int pages() const { return pages_; }

 private:
  PrintJob& job_;
  Canvas& inner_;
  int pages_ = 0;
};

struct DirectPrintRequest {
  std::string document_name;  // ANSI, what the print queue shows
  FontSpec text_font;         // the screen description; scaled to the printer here
  int screen_dpi_x = 96, screen_dpi_y = 96;
};

enum class DirectPrintOutcome { kPrinted, kNoPrinter, kFailed };

// Draws every page through `draw` (which brackets each page with StartPage
// and EndPage) with the text font already selected. Without a default printer
// the user is told so and nothing is drawn.
using PageDrawer = std::function<void(Canvas& canvas)>;
DirectPrintOutcome PrintDirect(PrinterPort& printers, Prompter& prompter,
                               const DirectPrintRequest& request, const PageDrawer& draw);

}  // namespace ledra::reports
