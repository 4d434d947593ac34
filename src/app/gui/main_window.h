#pragma once

#include <QLabel>
#include <QMainWindow>
#include <functional>

namespace ledra::gui {

// The program's one main window: menus, the view and a two-pane status bar.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Sets the text of status pane 0 or 1.
  void SetStatusText(int pane, const QString& text);

  QMenu* file_menu() const { return file_menu_; }
  QAction* exit_action() const { return exit_action_; }
  // Asked before the window closes; false keeps it open.
  std::function<bool()> close_guard;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();

  QMenu* file_menu_ = nullptr;
  QAction* exit_action_ = nullptr;
  QLabel* panes_[2] = {nullptr, nullptr};
};

}  // namespace ledra::gui
