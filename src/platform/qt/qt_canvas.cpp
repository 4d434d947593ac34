#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/qt_text.h"

namespace ledra::qt {

void InstallFontSubstitutes() {
  static const bool installed = [] {
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    QFont::insertSubstitutions("Calibri", {"Carlito", "Liberation Sans"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
    return true;
  }();
  (void)installed;
}

QFont ToQFont(const FontSpec& desc) {
  InstallFontSubstitutes();
  QFont font(FromAnsi(desc.face));
  // A negative height is the character height; a positive one includes the
  // internal leading, which is about an eighth of the cell.
  const int pixels = desc.height < 0 ? -desc.height : desc.height * 7 / 8;
  font.setPixelSize(pixels > 0 ? pixels : 13);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(desc.weight, 100, 900)));
  font.setItalic(desc.italic);
  font.setUnderline(desc.underline);
  const int family = desc.pitch_and_family & 0xF0;
  if ((desc.pitch_and_family & 0x03) == pitch::kFixed) {
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  } else if (family == pitch::kRoman) {
    font.setStyleHint(QFont::Serif);
  } else if (family == pitch::kModern) {
    font.setStyleHint(QFont::TypeWriter);
  } else {
    font.setStyleHint(QFont::SansSerif);
  }
  if (desc.width > 0) {
    // Stretch so that the average character comes out `width` pixels wide.
    const int natural = QFontMetrics(font).averageCharWidth();
    if (natural > 0) font.setStretch(std::clamp(desc.width * 100 / natural, 1, 4000));
  }
  return font;
}

QtCanvas::QtCanvas(QPainter& painter, int dpi_x, int dpi_y)
    : painter_(painter), dpi_x_(dpi_x), dpi_y_(dpi_y) {
  painter_.setPen(QPen(Qt::black, 1));
  painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::SetFont(const FontSpec& font) {
  painter_.setFont(ToQFont(font));
}

TextMetrics QtCanvas::Metrics() const {
  const QFontMetrics m(painter_.font(), painter_.device());
  return {m.height(), m.leading() > 0 ? m.leading() : 0, m.averageCharWidth()};
}

TextMetrics QtCanvas::MetricsOf(const FontSpec& font) const {
  // Apart from the device: a pixel-sized font measures alike on the screen, a
  // preview and a PDF of any resolution, so they all plan the same pages.
  const QFontMetrics m(ToQFont(font));
  return {m.height(), m.leading() > 0 ? m.leading() : 0, m.averageCharWidth()};
}

int QtCanvas::TextWidthOf(const FontSpec& font, std::string_view ansi) const {
  return QFontMetrics(ToQFont(font)).horizontalAdvance(FromAnsi(ansi));
}

int QtCanvas::TextWidth(std::string_view ansi) const {
  return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(FromAnsi(ansi));
}

void QtCanvas::Text(int x, int y, std::string_view ansi, HAlign h, VAlign v) {
  // A page of a long strip is drawn by drawing the whole strip: texts far
  // from the clip are skipped before they are measured.
  if (clip_) {
    const int reach = 2 * std::max(painter_.font().pixelSize(), 1);
    if (y + reach < clip_->top || y - reach > clip_->bottom) return;
  }
  const QString text = FromAnsi(ansi);
  const QFontMetrics m(painter_.font(), painter_.device());
  const int width = m.horizontalAdvance(text);
  if (h == HAlign::kRight) x -= width;
  if (h == HAlign::kCenter) x -= width / 2;
  const int baseline = v == VAlign::kTop ? y + m.ascent() : y - m.descent();
  painter_.drawText(QPoint(x, baseline), text);
}

void QtCanvas::SetPen(int width) {
  painter_.setPen(
      QPen(Qt::black, width < 1 ? 1 : width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2, int pen_width) {
  SetPen(pen_width);
  painter_.drawLine(x1, y1, x2, y2);
  SetPen(1);
}

void QtCanvas::Rectangle(const Rect& r, int pen_width) {
  SetPen(pen_width);
  painter_.drawRect(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)));
  SetPen(1);
}

void QtCanvas::SetClip(const Rect& r) {
  clip_ = r;
  ApplyClip();
}

void QtCanvas::ShiftOrigin(int dx, int dy) {
  painter_.translate(-dx, -dy);
  shift_x_ += dx;
  shift_y_ += dy;
  ApplyClip();
}

void QtCanvas::ApplyClip() {
  if (!clip_) return;
  painter_.setClipRect(
      QRect(QPoint(clip_->left, clip_->top), QPoint(clip_->right - 1, clip_->bottom - 1)));
}

}  // namespace ledra::qt
