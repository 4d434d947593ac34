#include "window_lookups.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace ledra::gui {

QMenu* MenuNamed(QMenuBar* bar, const QString& title) {
  for (QAction* a : bar->actions())
    if (a->menu() != nullptr && a->text() == title) return a->menu();
  return bar->addMenu(title);
}

int ScreenDpi(bool x) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return 96;
  return static_cast<int>((x ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY()) +
                          0.5);
}

std::optional<int> DefaultPrinterDpi() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  QPrinter printer(info, QPrinter::HighResolution);
  return printer.resolution();
}

}  // namespace ledra::gui
