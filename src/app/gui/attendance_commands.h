#pragma once
// The meeting attendance in the main window: "&Assistência às Reuniões"
// (Editar and the action panel) types a month in; "Médias das Assistências
// às Reuniões" (Relatórios and the action panel) shows and prints the record.

#include <QObject>

#include "platform/prompter.h"
#include "reports/report_frame.h"
#include "store/document.h"
#include "store/settings.h"

class QAction;

namespace ledra::gui {

class DocumentMenus;
class MainWindow;

class AttendanceCommands : public QObject {
  Q_OBJECT

 public:
  AttendanceCommands(MainWindow& window, store::Document& document, DocumentMenus& menus,
                     const store::Settings& settings, Prompter& prompter);

  // The entry dialog (modal); nothing while a past month is viewed.
  void EnterAttendance();
  // The record dialog (modal).
  void ShowRecord();
  void Refresh();
  QAction* entry_action() const { return entry_; }
  QAction* record_action() const { return record_; }

 private:
  reports::ReportEnv ScreenEnv() const;

  MainWindow& window_;
  store::Document& document_;
  DocumentMenus& menus_;
  const store::Settings& settings_;
  Prompter& prompter_;
  QAction* entry_ = nullptr;
  QAction* record_ = nullptr;
};

}  // namespace ledra::gui
