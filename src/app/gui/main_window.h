#pragma once

#include <QLabel>
#include <QMainWindow>
#include <functional>

#include "platform/user_config.h"

namespace ledra::gui {

// The program's one main window: menus, the view and a two-pane status bar.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Sets the text of status pane 0 or 1.
  void SetStatusText(int pane, const QString& text);

  // Where the window goes before it is first shown: its place and screen of
  // the last time, else a normal size in the middle of the primary screen.
  void Place(const platform::UserConfig& config);
  // Keeps the window's place (the normal one while maximised) in `config`.
  void StorePlace(platform::UserConfig& config) const;

  QMenu* file_menu() const { return file_menu_; }
  QAction* exit_action() const { return exit_action_; }
  // Asked before the window closes; false keeps it open.
  std::function<bool()> close_guard;
  // Called once the window is really closing.
  std::function<void()> on_closing;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();

  QMenu* file_menu_ = nullptr;
  QAction* exit_action_ = nullptr;
  QLabel* panes_[2] = {nullptr, nullptr};
};

}  // namespace ledra::gui
