#include "reports/ui/font_choice.h"

#include <QFontDialog>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"

namespace ledra::reports::ui {

FontSpec FromQFont(const QFont& font, const FontSpec& base, int screen_dpi_y) {
  FontSpec desc = base;
  int pixels = font.pixelSize();
  if (pixels <= 0) pixels = static_cast<int>(font.pointSizeF() * screen_dpi_y / 72.0 + 0.5);
  desc.height = -pixels;
  desc.width = 0;
  desc.weight = font.weight();
  desc.italic = font.italic();
  desc.underline = font.underline();
  desc.face = qt::ToAnsi(font.family()).substr(0, 31);
  return desc;
}

std::optional<FontSpec> ChooseFont(QWidget* parent, const FontSpec& current, const QString& caption,
                                   int screen_dpi_y) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, qt::ToQFont(current), parent, caption);
  if (!ok) return std::nullopt;
  return FromQFont(chosen, current, screen_dpi_y);
}

}  // namespace ledra::reports::ui
