#include <QKeyEvent>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "../../reports/report_fixture.h"
#include "action_panel.h"
#include "main_window.h"
#include "platform/files.h"
#include "report_commands.h"
#include "report_view.h"

namespace ledra::gui {

// The fixture congregation open in a main window with its report commands.
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
  ReportCommands* reports = new ReportCommands(window, document, settings, prompter, clock);
};

class ReportCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void panelShowsOnlyBuiltCommandsAndOpensThePhoneList() {
    Opened o;
    QCOMPARE(o.opened, store::OpenOutcome::kOpened);
    const platform::Path& root = o.root;
    ScriptedPrompter& prompter = o.prompter;
    MainWindow& window = o.window;
    ReportCommands* reports = o.reports;

    ActionPanel* panel = reports->panel();
    QVERIFY(!panel->button(20800)->isVisibleTo(panel));  // no dead buttons
    QVERIFY(panel->button(20819)->isVisibleTo(panel));
    QVERIFY(panel->button(20821)->isVisibleTo(panel));
    QVERIFY(!panel->return_button()->isVisibleTo(panel));

    QTest::mouseClick(panel->button(20819), Qt::LeftButton);
    QCOMPARE(reports->model().mode(), reports::ViewMode::kReport);
    QCOMPARE(reports->model().kind(), 50);
    window.show();
    reports->view()->viewport()->repaint();
    QCOMPARE(reports->model().page_count(), 1);

    // Saving as PDF needs no printer.
    const QString pdf = QString::fromStdString((root / "phones.pdf").string());
    reports->SaveAsPdf(pdf);
    const auto bytes = platform::ReadFileIfPresent(root / "phones.pdf");
    QVERIFY(bytes && bytes->starts_with("%PDF"));
    QVERIFY(prompter.shown.empty());

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(reports->view(), &escape);
    QCOMPARE(reports->model().mode(), reports::ViewMode::kActionPanel);
  }

  void panelOpensTheCongregationAnalysisAndTheSummary() {
    Opened o;
    QCOMPARE(o.opened, store::OpenOutcome::kOpened);
    ScriptedPrompter& prompter = o.prompter;
    MainWindow& window = o.window;
    ReportCommands* reports = o.reports;
    ActionPanel* panel = reports->panel();
    QVERIFY(panel->button(20813)->isVisibleTo(panel));
    QVERIFY(panel->button(20815)->isVisibleTo(panel));

    QTest::mouseClick(panel->button(20813), Qt::LeftButton);
    QCOMPARE(reports->model().kind(), 1);
    window.resize(900, 700);
    window.show();
    reports->view()->viewport()->repaint();
    QVERIFY(reports->model().page_count() >= 1);
    reports->ShowPanel();
    QTest::mouseClick(panel->button(20815), Qt::LeftButton);
    QCOMPARE(reports->model().kind(), 3);
    reports->view()->viewport()->repaint();
    QCOMPARE(reports->model().page_count(), 1);
    QVERIFY(prompter.shown.empty());
  }

  void closingWhilePreviewingIsRefused() {
    QTemporaryDir dir;
    const platform::Path root = dir.path().toStdString();
    FixedClock clock({2026, 3, 10});
    ScriptedPrompter prompter;
    store::Document document(root, clock, prompter);
    QCOMPARE(document.Open({}), store::OpenOutcome::kOpened);
    store::Settings settings;
    MainWindow window;
    auto* reports = new ReportCommands(window, document, settings, prompter, clock);
    reports->ShowReport(50);
    reports->model().BeginPrint({false, true, 1, 1, 1}, /*preview=*/true);
    QVERIFY(!window.close_guard());
    QCOMPARE(prompter.shown.size(), std::size_t{1});
    reports->model().EndPrint();
    QVERIFY(window.close_guard());
  }
};

}  // namespace ledra::gui

QTEST_MAIN(ledra::gui::ReportCommandsTest)
#include "report_commands_test.moc"
