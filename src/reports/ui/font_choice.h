#pragma once
// Between a report font description and Qt's font dialog.

#include <QFont>
#include <QString>
#include <optional>

#include "platform/canvas.h"

class QWidget;

namespace ledra::reports::ui {

// The description of a chosen font, in screen pixels; pitch and family and
// the character set stay those of `base`.
FontSpec FromQFont(const QFont& font, const FontSpec& base, int screen_dpi_y);

// Opens the font dialog on `current`; nullopt when cancelled.
std::optional<FontSpec> ChooseFont(QWidget* parent, const FontSpec& current, const QString& caption,
                                   int screen_dpi_y);

}  // namespace ledra::reports::ui
