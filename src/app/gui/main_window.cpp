#include "main_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(qt::FromAnsi(Strings().Get(str::kWindowClassPrefix) + LanguageCode()));
  setWindowTitle(qt::FromAnsi(Strings().Part(str::kAppTitle, 0)));
  BuildMenus();
  panes_[0] = new QLabel(qt::Text(str::kReady), this);
  panes_[1] = new QLabel(this);
  statusBar()->addWidget(panes_[0], 1);
  statusBar()->addPermanentWidget(panes_[1]);
  resize(800, 600);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (close_guard && !close_guard()) {
    event->ignore();
    return;
  }
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
