#pragma once
// The status lists in the View menu: one command per list, the special-needs
// command named after the needs present, the special category while the
// option is on.

#include <QObject>
#include <QString>
#include <vector>

#include "activity/status_list.h"
#include "store/document.h"
#include "store/settings.h"

class QAction;

namespace ledra::gui {

class MainWindow;

class StatusListCommands : public QObject {
  Q_OBJECT

 public:
  StatusListCommands(MainWindow& window, store::Document& document,
                     const store::Settings& settings);

  // Opens the dialog on a kind (modal).
  void Open(activity::StatusListKind kind);
  // The special-needs text and the commands offered now.
  void Refresh();
  QAction* action(activity::StatusListKind kind) const;

 private:
  activity::StatusListOptions Options() const;
  // Prints the list shown straight to the printer (one document).
  void Print(const activity::StatusListPage& page, activity::StatusListKind kind);
  // Chooses the printer the lists go to while the program runs.
  void PrintSetup();

  MainWindow& window_;
  store::Document& document_;
  const store::Settings& settings_;
  std::vector<std::pair<activity::StatusListKind, QAction*>> actions_;
  QString printer_name_;
};

}  // namespace ledra::gui
