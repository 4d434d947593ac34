#include "month_commands.h"

#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QtDebug>

#include "activity/month_lifecycle.h"
#include "activity/ui/glance_dialog.h"
#include "activity/ui/history_editor_dialog.h"
#include "activity/ui/month_dialog.h"
#include "activity/ui/pioneer_dialog.h"
#include "activity/ui/sheet_list_dialog.h"
#include "app/month_start_copier.h"
#include "document_menus.h"
#include "main_window.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "window_lookups.h"

namespace ledra::gui {

MonthCommands::MonthCommands(MainWindow& window, store::Document& document, DocumentMenus& menus,
                             Prompter& prompter)
    : QObject(&window), window_(window), document_(document), menus_(menus), prompter_(prompter) {
  QMenu* entries = new QMenu(qt::Text(str::kMenuEntries), &window_);
  window_.menuBar()->insertMenu(menus_.options_menu()->menuAction(), entries);
  sheets_ = entries->addAction(qt::Text(str::kCommandReportSheets));
  connect(sheets_, &QAction::triggered, this, &MonthCommands::OpenReportSheets);

  late_ = menus_.options_menu()->addAction(qt::Text(str::kCommandDeleteLateReports));
  late_->setEnabled(false);
  connect(late_, &QAction::triggered, this, &MonthCommands::DeleteLateReports);
  // The View menu the report half of the window made, or a new one.
  QMenu* view = MenuNamed(window_.menuBar(), qt::Text(str::kMenuView));
  QAction* glance = view->addAction(qt::Text(str::kCommandGlance));
  connect(glance, &QAction::triggered, this, &MonthCommands::ShowGlance);
  QAction* pioneers = view->addAction(qt::Text(str::kCommandPioneerHours));
  connect(pioneers, &QAction::triggered, this, [this] {
    activity::ui::PioneerDialog dialog(document_, &window_);
    dialog.exec();
  });
  for (QAction* a : window_.menuBar()->actions()) {
    if (a->menu() != nullptr && a->text() == qt::Text(str::kRecMenuEdit)) {
      history_ = a->menu()->addAction(qt::Text(str::kHistoryCaption));
      connect(history_, &QAction::triggered, this, &MonthCommands::EditHistory);
    }
  }
  auto* unlock = new QShortcut(QKeySequence(Qt::Key_F11), &window_);
  connect(unlock, &QShortcut::activated, this, &MonthCommands::UnlockLateReports);
  Refresh();
}

void MonthCommands::Refresh() {
  const bool writable = !document_.read_only();
  sheets_->setEnabled(!document_.db().month().viewing_past &&
                      (writable || activity::ReportMonthOpen(document_.db())));
  late_->setEnabled(writable && late_command_.enabled());
  if (history_) history_->setEnabled(writable);
}

void MonthCommands::OpenReportSheets() {
  if (!sheets_->isEnabled()) return;
  auto& db = document_.db();
  if (!activity::ReportMonthOpen(db)) {
    const activity::MonthChoice choice = activity::ui::RunMonthDialog(db, prompter_, &window_);
    if (choice.request == activity::MonthRequest::kCancel) return;
    const activity::MonthChoiceOutcome outcome =
        activity::ApplyMonthChoice(document_, choice, prompter_, app::MonthStartCopier(document_));
    // A month without its copy still starts; only the past-month view lacks it.
    if (outcome.copy.failure) qWarning("%s", qPrintable(qt::FromAnsi(outcome.copy.failure->text)));
    if (outcome.started) {
      document_.CheckPastMonths();
      // The start and its copy land together, so that a crash never leaves
      // the month half started.
      (void)document_.SaveCommand(/*from_menu=*/false);
    }
    menus_.RebuildPastMonths();
    menus_.Refresh();
  }
  if (store::header::MonthStateByte(db.header(), db.month().report_month_index) ==
      static_cast<std::uint8_t>(store::header::MonthState::kNotStarted))
    return;
  activity::OpenSheetList(db);
  activity::ui::SheetListDialog sheets(document_, prompter_, &window_, hooks_);
  sheets.exec();
  menus_.Refresh();
  Refresh();
}

void MonthCommands::EditHistory() {
  auto& db = document_.db();
  const auto& active = db.status_list(store::ListType::kActive);
  if (active.empty() || document_.read_only()) return;
  activity::ui::HistoryEditorDialog dialog(document_, active.front().row, prompter_, &window_);
  dialog.exec();
  menus_.Refresh();
}

void MonthCommands::ShowGlance() {
  std::string special;
  if (settings_ != nullptr && settings_->special_category_enabled)
    special = settings_->special_category;
  activity::ui::GlanceDialog dialog(document_.db(), special, &window_);
  dialog.exec();
}

void MonthCommands::UnlockLateReports() {
  late_command_.OnUnlockKey(document_.db());
  Refresh();
}

void MonthCommands::DeleteLateReports() {
  if (!late_->isEnabled()) return;
  auto& db = document_.db();
  if (prompter_.AskOkCancelDefaultCancel(activity::LateReportsCommand::ConfirmText(db)) !=
      Answer::kOk)
    return;
  late_command_.Delete(db);
  menus_.Refresh();
  Refresh();
}

}  // namespace ledra::gui
