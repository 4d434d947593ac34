#pragma once

#include <QLabel>
#include <QMainWindow>

namespace ledra::gui {

// The program's one main window: menus, the view and a two-pane status bar.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Sets the text of status pane 0 or 1.
  void SetStatusText(int pane, const QString& text);

 private:
  void BuildMenus();

  QLabel* panes_[2] = {nullptr, nullptr};
};

}  // namespace ledra::gui
