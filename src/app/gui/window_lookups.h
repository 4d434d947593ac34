#pragma once
// What the window's commands look up: a menu of the menu bar by its text,
// and the resolutions of the screen and of the default printer.

#include <QString>
#include <optional>

class QMenu;
class QMenuBar;

namespace ledra::gui {

// The menu of that text the bar already has, or a new one at its end.
QMenu* MenuNamed(QMenuBar* bar, const QString& title);
// The primary screen's logical resolution (96 without a screen).
int ScreenDpi(bool x);
// Nothing without a default printer.
std::optional<int> DefaultPrinterDpi();

}  // namespace ledra::gui
