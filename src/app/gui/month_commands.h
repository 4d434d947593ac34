#pragma once
// The report month in the main window: "&Folhas de Relatório" (menu and
// action panel) with the month dialog and the sheet list, and the emptying
// of the late-report list that F11 unlocks.

#include <QObject>

#include "activity/late_reports.h"
#include "activity/ui/sheet_list_dialog.h"
#include "platform/prompter.h"
#include "store/document.h"
#include "store/settings.h"

class QAction;

namespace ledra::gui {

class DocumentMenus;
class MainWindow;

class MonthCommands : public QObject {
  Q_OBJECT

 public:
  MonthCommands(MainWindow& window, store::Document& document, DocumentMenus& menus,
                Prompter& prompter);

  // The month dialog when the month is not open, then the sheet list.
  void OpenReportSheets();
  void DeleteLateReports();
  // "Relance": the month's figures at a glance.
  void ShowGlance();
  // The settings the glance reads its special category from.
  void set_settings(const store::Settings* settings) { settings_ = settings; }
  // The import buttons of the sheet list.
  void set_import_hooks(activity::ui::SheetImportHooks hooks) { hooks_ = std::move(hooks); }
  // "Editar Histórico": any stored month of a publisher or of the totals card.
  void EditHistory();
  // F11 in the main view.
  void UnlockLateReports();
  void Refresh();
  QAction* sheets_action() const { return sheets_; }
  QAction* late_reports_action() const { return late_; }

 private:
  const store::Settings* settings_ = nullptr;
  activity::ui::SheetImportHooks hooks_;
  MainWindow& window_;
  store::Document& document_;
  DocumentMenus& menus_;
  Prompter& prompter_;
  activity::LateReportsCommand late_command_;
  QAction* sheets_ = nullptr;
  QAction* late_ = nullptr;
  QAction* history_ = nullptr;
};

}  // namespace ledra::gui
