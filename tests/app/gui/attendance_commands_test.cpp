#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "../../reports/report_fixture.h"
#include "action_panel.h"
#include "attendance_commands.h"
#include "document_menus.h"
#include "main_window.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "report_commands.h"

namespace ledra::gui {

// The fixture congregation in a main window with the commands the start builds.
struct Opened {
  QTemporaryDir dir;
  platform::Path root = dir.path().toStdString();
  bool written = platform::WriteFileAtomic(root / "tdat9.bin", test::ReportMainFile()).ok();
  FixedClock clock{{2026, 3, 10}};
  ScriptedPrompter prompter;
  store::Document document{root, clock, prompter};
  store::OpenOutcome opened = document.Open({});
  store::Settings settings;
  MainWindow window;
  DocumentMenus* menus = new DocumentMenus(window, document, settings, prompter, clock);
  ReportCommands* reports = new ReportCommands(window, document, settings, prompter, clock);
  AttendanceCommands* attendance =
      new AttendanceCommands(window, document, *menus, settings, prompter);
};

QMenu* Menu(MainWindow& window, const QString& title) {
  for (QAction* a : window.menuBar()->actions())
    if (a->menu() != nullptr && a->text() == title) return a->menu();
  return nullptr;
}

class AttendanceCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void theCommandsSitInEditAndReportsAndEntryWaitsForTheOpenMonth() {
    Opened o;
    QCOMPARE(o.opened, store::OpenOutcome::kOpened);
    QMenu* edit = Menu(o.window, QStringLiteral("&Editar"));
    QMenu* reports = Menu(o.window, QStringLiteral("&Relat\u00f3rios"));
    QVERIFY(edit != nullptr && reports != nullptr);
    QVERIFY(edit->actions().contains(o.attendance->entry_action()));
    QVERIFY(reports->actions().contains(o.attendance->record_action()));
    QCOMPARE(o.attendance->entry_action()->text(), qt::Text(str::kPanelAttendance));
    QCOMPARE(o.attendance->record_action()->text(),
             QStringLiteral("M\u00e9&dias das &Assist\u00eancias \u00e0s Reuni\u00f5es"));
    QVERIFY(o.attendance->entry_action()->isEnabled());

    // While a past month is viewed the entry is off, and the panel's button opens nothing.
    o.document.db().month().viewing_past = true;
    emit edit->aboutToShow();
    QVERIFY(!o.attendance->entry_action()->isEnabled());
    o.attendance->EnterAttendance();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    o.document.db().month().viewing_past = false;
    o.attendance->Refresh();
    QVERIFY(o.attendance->entry_action()->isEnabled());
  }
};

}  // namespace ledra::gui

QTEST_MAIN(ledra::gui::AttendanceCommandsTest)
#include "attendance_commands_test.moc"
