#pragma once
// The main window's document commands: Save, the password, the options kept
// with the data, the past months, and the question on leaving.

#include <QObject>
#include <functional>

#include "platform/clock.h"
#include "platform/prompter.h"
#include "store/document.h"
#include "store/settings.h"

class QAction;
class QMenu;

namespace ledra::gui {

class MainWindow;

class DocumentMenus : public QObject {
  Q_OBJECT

 public:
  DocumentMenus(MainWindow& window, store::Document& document, store::Settings& settings,
                Prompter& prompter, const Clock& clock);

  // Menu states after anything changed (modified flag, past month viewed).
  void Refresh();
  // The publisher editor (menu and action panel).
  void EditPublishers();
  void ReturnToOpenMonth();
  // Told after every refresh: the open month's name while a past month is
  // viewed, else empty (the action panel's return button follows it).
  std::function<void(const QString& open_month)> on_refresh;
  // The past-month items follow the open month and the copies that exist.
  void RebuildPastMonths();
  QMenu* options_menu() const { return options_; }

 private:
  void Save();
  void ViewPastMonth(int months_back);

  MainWindow& window_;
  store::Document& document_;
  store::Settings& settings_;
  Prompter& prompter_;
  const Clock& clock_;
  QAction* save_ = nullptr;
  QAction* nag_ = nullptr;
  QAction* sort_first_ = nullptr;
  QMenu* options_ = nullptr;
  QMenu* past_ = nullptr;
  QAction* past_action_ = nullptr;
  QAction* return_ = nullptr;
  QAction* publishers_ = nullptr;  // "&Publicadores"
};

}  // namespace ledra::gui
