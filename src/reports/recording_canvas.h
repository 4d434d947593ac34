#pragma once
// A canvas that records every operation as a line of text, for the golden
// report tests and `ledra-cli report --trace`.
//
// Its metrics are fixed so that traces do not depend on installed fonts: for a
// font of character height h = |height| pixels, the text height is
// ceil(h * 23 / 20), the external leading 0, the average character width
// ceil(h / 2), and every character of a text is that wide.

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace ledra::reports {

class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(int dpi_x, int dpi_y) : dpi_x_(dpi_x), dpi_y_(dpi_y) {}

  int dpi_x() const override { return dpi_x_; }
  int dpi_y() const override { return dpi_y_; }
  void SetFont(const FontSpec& font) override;
  TextMetrics Metrics() const override;
  TextMetrics MetricsOf(const FontSpec& font) const override;
  int TextWidthOf(const FontSpec& font, std::string_view ansi) const override;
  int TextWidth(std::string_view ansi) const override;
  void Text(int x, int y, std::string_view ansi, HAlign h, VAlign v) override;
  void Line(int x1, int y1, int x2, int y2, int pen_width) override;
  void Rectangle(const Rect& r, int pen_width) override;
  void SetClip(const Rect& r) override;
  void ShiftOrigin(int dx, int dy) override;
  void StartPage() override;
  void EndPage() override;

  // One operation a line, texts in UTF-8.
  const std::vector<std::string>& lines() const { return lines_; }
  std::string Trace() const;

 private:
  int dpi_x_, dpi_y_;
  FontSpec font_;
  std::vector<std::string> lines_;
};

}  // namespace ledra::reports
