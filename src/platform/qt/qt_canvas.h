#pragma once
// The report canvas on a QPainter: the screen, print preview, the printer and
// PDF files all draw through it.

#include <QFont>
#include <QPainter>
#include <optional>

#include "platform/canvas.h"

namespace ledra::qt {

// The face the system has for a face a report names ("Arial" is drawn with a
// metric-compatible free face where the original is missing).
QFont ToQFont(const FontSpec& desc);
// Registers the substitutes of the Windows faces the reports name; once per process.
void InstallFontSubstitutes();

class QtCanvas final : public Canvas {
 public:
  // The painter must be active; dpi is the device's resolution.
  QtCanvas(QPainter& painter, int dpi_x, int dpi_y);

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
  void StartPage() override {}
  void EndPage() override {}

 private:
  void ApplyClip();
  void SetPen(int width);

  QPainter& painter_;
  int dpi_x_, dpi_y_;
  std::optional<Rect> clip_;  // in the report's coordinates
  int shift_x_ = 0, shift_y_ = 0;
};

}  // namespace ledra::qt
