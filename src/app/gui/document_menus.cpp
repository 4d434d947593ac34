#include "document_menus.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "backup/ui/backup_dialog.h"
#include "interchange/ui/csv_export_dialogs.h"
#include "interchange/ui/mail_settings_dialog.h"
#include "interchange/ui/publist_dialogs.h"
#include "main_window.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/ui/publisher_chooser_dialog.h"
#include "reports/ui/format_options_dialog.h"
#include "store/document_commands.h"
#include "store/ui/password_dialogs.h"

namespace ledra::gui {

DocumentMenus::DocumentMenus(MainWindow& window, store::Document& document,
                             store::Settings& settings, Prompter& prompter, const Clock& clock)
    : QObject(&window),
      window_(window),
      document_(document),
      settings_(settings),
      prompter_(prompter),
      clock_(clock) {
  save_ = new QAction(qt::Text(str::kCommandSave), this);
  save_->setShortcut(QKeySequence::Save);
  window_.file_menu()->insertAction(window_.exit_action(), save_);
  window_.file_menu()->insertSeparator(window_.exit_action());
  connect(save_, &QAction::triggered, this, &DocumentMenus::Save);
  QAction* backup = new QAction(qt::Text(str::kBackupCaption), this);
  QAction* restore = new QAction(qt::Text(str::kRestoreCaption), this);
  window_.file_menu()->insertAction(window_.exit_action(), backup);
  window_.file_menu()->insertAction(window_.exit_action(), restore);
  window_.file_menu()->insertSeparator(window_.exit_action());
  connect(backup, &QAction::triggered, this, [this] {
    (void)backup::ui::RunBackupCommand(document_, clock_, prompter_, &window_);
    Refresh();
  });
  connect(restore, &QAction::triggered, this, [this] {
    if (backup::ui::RunRestoreCommand(document_, clock_, prompter_, &window_)) RebuildPastMonths();
    Refresh();
  });
  QAction* xml_export = new QAction(qt::Text(str::kXmlExportMenu), this);
  QAction* xml_import = new QAction(qt::Text(str::kXmlImportMenu), this);
  window_.file_menu()->insertAction(window_.exit_action(), xml_export);
  window_.file_menu()->insertAction(window_.exit_action(), xml_import);
  window_.file_menu()->insertSeparator(window_.exit_action());
  connect(xml_export, &QAction::triggered, this,
          [this] { interchange::ui::RunXmlExport(document_, clock_, prompter_, &window_); });
  connect(xml_import, &QAction::triggered, this, [this] {
    if (interchange::ui::RunXmlImport(document_, clock_, prompter_, &window_)) {
      if (QWidget* view = window_.centralWidget()) view->update();
    }
    Refresh();
  });
  interchange::ui::AddExportMenu(window_.file_menu(), window_.exit_action(), document_, settings_,
                                 prompter_, &window_);
  window_.file_menu()->insertSeparator(window_.exit_action());

  options_ = window_.menuBar()->addMenu(qt::Text(str::kMenuOptions));
  QAction* password = options_->addAction(qt::Text(str::kCommandPassword));
  connect(password, &QAction::triggered, this, [this] {
    if (store::ui::RunPasswordCommand(document_.db().header(), prompter_, &window_)) {
      document_.db().modified = true;
      Refresh();
    }
  });
  nag_ = options_->addAction(qt::Text(str::kCommandNag));
  nag_->setCheckable(true);
  connect(nag_, &QAction::triggered, this, [this] {
    store::ToggleNag(document_, settings_);
    Refresh();
  });
  if (document_.db().language_code == "ptg") {
    sort_first_ = options_->addAction(qt::Text(str::kSortByFirstName));
    sort_first_->setCheckable(true);
    connect(sort_first_, &QAction::triggered, this, [this](bool on) {
      store::SetSortByFirstName(document_, settings_, on, prompter_);
      Refresh();
    });
  }
  QAction* format = options_->addAction(qt::Text(str::kCommandFormatOptions));
  connect(format, &QAction::triggered, this, [this] {
    if (reports::ui::RunFormatOptions(settings_, document_.db().side.shared_settings, &window_)) {
      document_.db().modified = true;
      if (QWidget* view = window_.centralWidget()) view->update();
      Refresh();
    }
  });
  QAction* mail = options_->addAction(qt::Text(str::kMailMenu));
  connect(mail, &QAction::triggered, this, [this] {
    (void)interchange::ui::RunMailSettings(document_.data_folder(), settings_.secretary_email,
                                           &window_);
  });
  past_ = new QMenu(qt::Text(str::kViewPastMonths), &window_);
  past_action_ = options_->addMenu(past_);
  return_ = options_->addAction(QString());
  connect(return_, &QAction::triggered, this, &DocumentMenus::ReturnToOpenMonth);

  // --- publisher editing ---
  QMenu* edit = window_.menuBar()->addMenu(qt::Text(str::kRecMenuEdit));
  publishers_ = edit->addAction(qt::Text(str::kRecMenuPublishers));
  connect(publishers_, &QAction::triggered, this, &DocumentMenus::EditPublishers);
  // --- end of publisher editing ---

  window_.close_guard = [this] { return store::ConfirmClose(document_, prompter_); };
  RebuildPastMonths();
  Refresh();
}

void DocumentMenus::Refresh() {
  const auto& m = document_.db().month();
  save_->setEnabled(store::CanSave(document_));
  publishers_->setEnabled(!m.viewing_past);
  nag_->setChecked(settings_.nag);
  if (sort_first_) sort_first_->setChecked(settings_.sort_by_first_name);
  return_->setVisible(m.viewing_past);
  return_->setText(qt::FromAnsi(
      FormatPrintf(Strings().Get(str::kReturnToMonth),
                   {std::string_view(Strings().Get(str::kMonthJanuary + m.open_month_index))})));
  window_.SetStatusText(
      1, qt::FromAnsi(Strings().Format(
             str::kReportMonthStatus, {Strings().Get(str::kMonthJanuary + m.report_month_index)})));
  if (on_refresh) {
    on_refresh(m.viewing_past ? qt::Text(str::kMonthJanuary + m.open_month_index) : QString());
  }
}

void DocumentMenus::EditPublishers() {
  if (!publishers_->isEnabled()) return;
  (void)records::ui::RunPublisherEditing(document_, settings_, prompter_, &window_);
  if (QWidget* view = window_.centralWidget()) view->update();
  Refresh();
}

void DocumentMenus::Save() {
  if (!store::CanSave(document_)) return;
  // A small notice while the files are written.
  QLabel wait(qt::Text(str::kSavingWait), &window_, Qt::Dialog | Qt::FramelessWindowHint);
  wait.setMargin(24);
  wait.show();
  QApplication::processEvents();
  (void)document_.SaveCommand(/*from_menu=*/true);
  Refresh();
}

void DocumentMenus::RebuildPastMonths() {
  past_->clear();
  const auto& m = document_.db().month();
  for (int d = 1; d <= 6; ++d) {
    const int month = store::MonthsBack(m.open_month_index, d);
    QAction* item = past_->addAction(qt::Text(str::kMonthJanuary + month));
    item->setEnabled((m.past_month_mask & (1u << d)) != 0);
    connect(item, &QAction::triggered, this, [this, d] { ViewPastMonth(d); });
  }
  // Without any copy the item is left out altogether.
  past_action_->setVisible(m.past_month_mask != 0);
}

void DocumentMenus::ViewPastMonth(int months_back) {
  if (document_.ViewPastMonth(months_back)) Refresh();
}

void DocumentMenus::ReturnToOpenMonth() {
  document_.ReturnToOpenMonth();
  Refresh();
}

}  // namespace ledra::gui
