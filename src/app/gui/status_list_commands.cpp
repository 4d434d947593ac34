#include "status_list_commands.h"

#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "activity/missing_reports_mail.h"
#include "activity/ui/status_list_dialog.h"
#include "interchange/ui/send_mail.h"
#include "main_window.h"
#include "platform/ini_file.h"
#include "platform/qt/qt_direct_print.h"
#include "platform/qt/qt_prompter.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "reports/report_env.h"
#include "reports/status_list_printout.h"
#include "window_lookups.h"

namespace ledra::gui {
namespace {

using activity::StatusListKind;

QMenu* ViewMenu(QMenuBar* bar) {
  return MenuNamed(bar, qt::Text(str::kMenuView));
}

// The resolution of the printer the lists go to; 300 when there is none.
int PrinterDpi(const QString& name) {
  QPrinterInfo info = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
  if (info.isNull()) info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return 300;
  const QPrinter printer(info, QPrinter::HighResolution);
  return printer.resolution();
}

}  // namespace

StatusListCommands::StatusListCommands(MainWindow& window, store::Document& document,
                                       const store::Settings& settings)
    : QObject(&window), window_(window), document_(document), settings_(settings) {
  QMenu* view = ViewMenu(window_.menuBar());
  view->addSeparator();
  for (int k = 0; k <= static_cast<int>(StatusListKind::kSpecialCategory); ++k) {
    const auto kind = static_cast<StatusListKind>(k);
    QString text;
    if (k < static_cast<int>(StatusListKind::kSpecialNeeds))
      text = qt::Text(str::kStatusMenuNotReported + k);
    else if (kind == StatusListKind::kSpecialCategory)
      text = qt::Text(str::kStatusMenuSpecialCategory);
    QAction* a = view->addAction(text);
    connect(a, &QAction::triggered, this, [this, kind] { Open(kind); });
    actions_.emplace_back(kind, a);
  }
  // The needs and the option change while the program runs.
  connect(view, &QMenu::aboutToShow, this, &StatusListCommands::Refresh);
  Refresh();
}

activity::StatusListOptions StatusListCommands::Options() const {
  return {settings_.special_category_enabled, settings_.special_category};
}

QAction* StatusListCommands::action(StatusListKind kind) const {
  for (const auto& [k, a] : actions_)
    if (k == kind) return a;
  return nullptr;
}

void StatusListCommands::Refresh() {
  const activity::StatusList model(document_.db(), Options());
  QAction* needs = action(StatusListKind::kSpecialNeeds);
  const bool any_need = model.Offered(StatusListKind::kSpecialNeeds);
  needs->setText(qt::FromAnsi(model.KindName(StatusListKind::kSpecialNeeds)));
  needs->setEnabled(any_need);
  needs->setVisible(any_need);
  action(StatusListKind::kSpecialCategory)
      ->setVisible(model.Offered(StatusListKind::kSpecialCategory));
}

void StatusListCommands::Open(StatusListKind kind) {
  activity::ui::StatusListDialog dialog(document_.db(), Options(), kind, &window_);
  dialog.on_print = [this](const activity::StatusListPage& page, activity::StatusListKind k) {
    Print(page, k);
  };
  dialog.on_print_setup = [this] { PrintSetup(); };
  dialog.on_mail = [this, &dialog](const activity::StatusListChoice& choice) {
    const auto request =
        activity::MissingReportsReminder(document_.db(), choice, settings_.secretary_email);
    if (!request) {
      qt::QtPrompter(&dialog).Inform(request.error().text);
      return;
    }
    (void)interchange::ui::SendMailFromWindow(&dialog, document_.data_folder(), *request);
  };
  dialog.exec();
}

void StatusListCommands::Print(const activity::StatusListPage& page,
                               activity::StatusListKind kind) {
  qt::QtPrinterPort port;
  port.set_printer_name(printer_name_);
  qt::QtPrompter prompter(&window_);
  const auto& db = document_.db();
  const platform::IniFile ini =
      platform::IniFile::Load(store::SettingsPath(document_.data_folder()));
  const int dpi = PrinterDpi(printer_name_);
  const reports::ReportEnv env =
      reports::PrintedReportEnv(settings_, ini, db, document_.clock().Today(), dpi);
  (void)reports::PrintStatusLists(port, prompter, env, {reports::StatusListDocumentOf(page, kind)});
}

void StatusListCommands::PrintSetup() {
  QPrinter printer(QPrinter::HighResolution);
  if (!printer_name_.isEmpty()) printer.setPrinterName(printer_name_);
  QPrintDialog dialog(&printer, &window_);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  if (dialog.exec() == QDialog::Accepted) printer_name_ = printer.printerName();
}

}  // namespace ledra::gui
