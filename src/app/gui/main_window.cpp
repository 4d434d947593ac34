#include "main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/window_placement.h"

namespace ledra::gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(qt::FromAnsi(Strings().Get(str::kWindowClassPrefix) + LanguageCode()));
  setWindowTitle(qt::FromAnsi(Strings().Part(str::kAppTitle, 0)));
  BuildMenus();
  panes_[0] = new QLabel(qt::Text(str::kReady), this);
  panes_[1] = new QLabel(this);
  statusBar()->addWidget(panes_[0], 1);
  statusBar()->addPermanentWidget(panes_[1]);
  Place({});
}

void MainWindow::Place(const platform::UserConfig& config) {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QString wanted = QString::fromStdString(config.window_screen);
  for (QScreen* s : QGuiApplication::screens())
    if (!wanted.isEmpty() && s->name() == wanted) screen = s;
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  // The width and height are the inside of the window; the corner is the frame's.
  const reports::WindowRect r =
      reports::MainWindowPlacement({area.x(), area.y(), area.width(), area.height()},
                                   reports::ParseWindowRect(config.window_rect));
  resize(r.width, r.height);
  move(r.x, r.y);
  if (config.window_maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::StorePlace(platform::UserConfig& config) const {
  const bool maximized = isMaximized();
  const QRect inside = maximized ? normalGeometry() : geometry();
  const QPoint corner = maximized ? normalGeometry().topLeft() : frameGeometry().topLeft();
  config.window_rect =
      reports::WindowRectText({corner.x(), corner.y(), inside.width(), inside.height()});
  config.window_screen = screen() ? screen()->name().toStdString() : std::string();
  config.window_maximized = maximized;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (close_guard && !close_guard()) {
    event->ignore();
    return;
  }
  if (on_closing) on_closing();
  event->accept();
}

void MainWindow::SetStatusText(int pane, const QString& text) {
  if (pane == 0 || pane == 1) panes_[pane]->setText(text);
}

void MainWindow::BuildMenus() {
  file_menu_ = menuBar()->addMenu(qt::Text(str::kMenuFile));
  exit_action_ = file_menu_->addAction(qt::Text(str::kCommandExit));
  connect(exit_action_, &QAction::triggered, this, &QWidget::close);
}

}  // namespace ledra::gui
