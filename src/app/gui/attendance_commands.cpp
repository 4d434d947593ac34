#include "attendance_commands.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include "document_menus.h"
#include "main_window.h"
#include "platform/ini_file.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "records/attendance_entry.h"
#include "records/ui/attendance_dialogs.h"
#include "reports/report_env.h"
#include "window_lookups.h"

namespace ledra::gui {
namespace {

constexpr int kPrinterlessDpi = 300;

}  // namespace

AttendanceCommands::AttendanceCommands(MainWindow& window, store::Document& document,
                                       DocumentMenus& menus, const store::Settings& settings,
                                       Prompter& prompter)
    : QObject(&window),
      window_(window),
      document_(document),
      menus_(menus),
      settings_(settings),
      prompter_(prompter) {
  QMenu* edit = MenuNamed(window_.menuBar(), qt::Text(str::kRecMenuEdit));
  entry_ = edit->addAction(qt::Text(str::kPanelAttendance));
  connect(entry_, &QAction::triggered, this, &AttendanceCommands::EnterAttendance);
  // A past month can be chosen or left while the program runs.
  connect(edit, &QMenu::aboutToShow, this, &AttendanceCommands::Refresh);
  record_ = MenuNamed(window_.menuBar(), qt::Text(str::kMenuReports))
                ->addAction(qt::Text(str::kAttendanceRecordMenu));
  connect(record_, &QAction::triggered, this, &AttendanceCommands::ShowRecord);
  Refresh();
}

void AttendanceCommands::Refresh() {
  entry_->setEnabled(records::AttendanceEntryEnabled(document_));
}

void AttendanceCommands::EnterAttendance() {
  Refresh();
  if (!entry_->isEnabled()) return;
  records::ui::AttendanceEntryDialog dialog(document_, prompter_, &window_);
  dialog.exec();
  // The analysis on the screen prints the month's attendance.
  if (QWidget* view = window_.centralWidget()) view->update();
  menus_.Refresh();
}

void AttendanceCommands::ShowRecord() {
  records::ui::AttendanceRecordDialog dialog(document_.db(), ScreenEnv(), prompter_, &window_);
  dialog.exec();
}

reports::ReportEnv AttendanceCommands::ScreenEnv() const {
  const platform::IniFile ini =
      platform::IniFile::Load(store::SettingsPath(document_.data_folder()));
  reports::ReportEnv env =
      reports::PrintedReportEnv(settings_, ini, document_.db(), document_.clock().Today(),
                                DefaultPrinterDpi().value_or(kPrinterlessDpi));
  env.printed = false;
  env.screen_dpi_x = ScreenDpi(true);
  env.screen_dpi_y = ScreenDpi(false);
  return env;
}

}  // namespace ledra::gui
