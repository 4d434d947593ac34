#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <nlohmann/json.hpp>

#include "activity/ui/glance_dialog.h"
#include "activity/ui/history_editor_dialog.h"
#include "activity/ui/pioneer_dialog.h"
#include "activity/ui/report_sheet_dialog.h"
#include "activity/ui/sheet_list_dialog.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

using ledra::ScriptedPrompter;
using ledra::activity::ui::ReportSheetDialog;
using ledra::activity::ui::SheetListDialog;
namespace store = ledra::store;

namespace {

// November 2026 open; Ana publishes, Eva is a regular pioneer.
void WriteFolder(const ledra::TempFolder& folder) {
  std::string file = ledra::test::HeaderRecord(9);
  file[137 + 10] = 1;
  std::string eva = ledra::test::PersonRecord(9, 103, "Eva", "Costa");
  eva[202 + 30] = 2;
  file += ledra::test::PersonRecord(9, 101, "Ana", "Silva") + eva;
  ledra::WriteFixture(folder.path() / "tdat9.bin", file);
}

nlohmann::json Dumped(const ledra::TempFolder& folder, int id) {
  const auto r =
      ledra::cli::RunWith({"dump", "--data", folder.path().string(), "--today", "2026-12-09"});
  if (r.code != 0) qWarning("%s", r.err.c_str());
  const nlohmann::json dump = nlohmann::json::parse(r.out);
  for (const auto& p : dump["people"])
    if (p["id"] == id) return p;
  return {};
}

// The folder opened as the window opens it.
struct Folder {
  Folder() {
    WriteFolder(folder);
    doc.Open({});
  }
  ledra::TempFolder folder;
  ledra::FixedClock clock{ledra::Date{2026, 12, 9}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

}  // namespace

class ReportSheetDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void APioneerReportTypedWithTheKeyboardReachesTheFile() {
    Folder f;
    auto& [folder, clock, prompter, doc] = f;
    ReportSheetDialog dialog(doc, doc.db().FindRow(103), prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Enter on the box moves on; Space ticks it.
    dialog.participated()->setFocus();
    QTest::keyClick(dialog.participated(), Qt::Key_Space);
    QVERIFY(dialog.participated()->isChecked());
    QVERIFY(dialog.hours()->isVisible());
    QTest::keyClick(dialog.participated(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.hours()));
    QTest::keyClick(dialog.hours(), Qt::Key_Space);  // "0", selected
    QCOMPARE(dialog.hours()->text(), QStringLiteral("0"));
    QTest::keyClicks(dialog.hours(), QStringLiteral("5x0"));  // the letter is not taken
    QCOMPARE(dialog.hours()->text(), QStringLiteral("50"));
    QTest::keyClick(dialog.hours(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.studies()));
    QTest::keyClicks(dialog.studies(), QStringLiteral("3"));
    dialog.remark_button()->click();
    QTest::keyClicks(dialog.remark(), QStringLiteral("12 assembleia"));
    QTest::keyClick(dialog.remark(), Qt::Key_Return);
    QCOMPARE(dialog.credit()->text(), QStringLiteral("( + 5 Horas )"));
    dialog.studies()->setFocus();
    QTest::keyClick(dialog.studies(), Qt::Key_Return);  // saves
    QVERIFY(dialog.saved());
    QVERIFY(doc.SaveCommand(false).ok());

    const auto eva = Dumped(folder, 103);
    QCOMPARE(eva["Hours"][30].get<int>(), 50);
    QCOMPARE(eva["studies_word"][30].get<int>(), 0x0800 | 3);
    QCOMPARE(eva["PioCredit"][30].get<int>(), 5);
  }

  void BadStudiesAreToldAndTheSheetStaysOpen() {
    Folder f;
    auto& [folder, clock, prompter, doc] = f;
    ReportSheetDialog dialog(doc, doc.db().FindRow(101), prompter);
    dialog.show();
    dialog.participated()->click();
    QVERIFY(!dialog.hours()->isVisible());  // a publisher gives no hours
    QTest::keyClicks(dialog.studies(), QStringLiteral("99"));
    dialog.ok_button()->click();
    QVERIFY(!dialog.saved());
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompter.shown.back(), std::string("Please enter an integer between 0 and 63."));
    QVERIFY(!doc.db().modified);
  }

  void TheListRefreshesItsTotalsAfterASheet() {
    Folder f;
    auto& [folder, clock, prompter, doc] = f;
    SheetListDialog list(doc, prompter);
    list.show();
    QCOMPARE(list.list()->count(), 2);
    QCOMPARE(list.TotalsCell(1, 1), QStringLiteral("0"));
    list.list()->setCurrentRow(1);  // Silva, Ana
    QTimer::singleShot(0, [] {
      auto* sheet = qobject_cast<ReportSheetDialog*>(QApplication::activeModalWidget());
      QVERIFY(sheet != nullptr);
      sheet->participated()->click();
      sheet->ok_button()->click();
    });
    list.OpenSheet();
    QCOMPARE(list.TotalsCell(1, 1), QStringLiteral("1"));
    QCOMPARE(list.list()->currentRow(), 1);
    QVERIFY(list.entered_up_to()->text().endsWith(QStringLiteral("Silva, Ana")));
    list.missing_only()->setChecked(true);
    QCOMPARE(list.list()->count(), 1);
  }

  void TheGlanceAgreesWithTheSheets() {
    Folder f;
    auto& [folder, clock, prompter, doc] = f;
    ledra::activity::ReportSheet sheet(doc, doc.db().FindRow(103));
    sheet.SetHoursText("48");
    QVERIFY(*sheet.Save());
    ledra::activity::ui::GlanceDialog dialog(doc.db());
    QCOMPARE(dialog.ValueOf(QStringLiteral("Pub. Ativos:")), QStringLiteral("2"));
    QCOMPARE(dialog.ValueOf(QStringLiteral("Pio. Regulares:")), QStringLiteral("1"));
    QCOMPARE(dialog.ValueOf(QString::fromUtf8("Méd Hrs (PReg):")), QStringLiteral("48.0"));
    QCOMPARE(dialog.ValueOf(QString::fromUtf8("Méd Hrs (Pub):")), QString());
    // The special category shows only when its option is on.
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("specialCategory")) == nullptr);
    ledra::activity::ui::GlanceDialog special(doc.db(), "Anci\xe3os idosos");
    QVERIFY(special.findChild<QLabel*>(QStringLiteral("specialCategory")) != nullptr);
  }

  void TheHistoryEditorCorrectsAnOldMonth() {
    Folder f;
    auto& [folder, clock, prompter, doc] = f;
    const int eva = doc.db().FindRow(103);
    ledra::activity::ui::HistoryEditorDialog dialog(doc, eva, prompter);
    dialog.show();
    // It opens on October 2026, the month before the open one.
    QCOMPARE(dialog.months()->currentText(), QStringLiteral("Outubro"));
    QCOMPARE(dialog.years()->currentText(), QStringLiteral("2026"));
    dialog.editor().SetPioneer(2);
    dialog.editor().SetParticipated(true);
    dialog.field(2)->setText(QStringLiteral("30"));
    QVERIFY(dialog.Store());
    QCOMPARE(int(doc.db().row(eva).word(store::SlotWords::kHours, 27)), 30);
    QVERIFY(doc.db().modified);
    // A month outside the window is never offered.
    for (int i = 0; i < dialog.years()->count(); ++i)
      QVERIFY(dialog.years()->itemText(i).toInt() >= 2024);
  }

  void ThePioneerDialogShowsTheMonthsOfTheYear() {
    Folder f;
    auto& [folder, clock, prompter, doc] = f;
    ledra::activity::ReportSheet sheet(doc, doc.db().FindRow(103));
    sheet.SetHoursText("48");
    QVERIFY(sheet.RemarkLeft("5 assembleia").ok());
    QVERIFY(*sheet.Save());
    ledra::activity::ui::PioneerDialog dialog(doc);
    dialog.show();
    QCOMPARE(dialog.pioneers()->count(), 1);
    QCOMPARE(dialog.line(0)->text(), QStringLiteral("Pioneiro desde Novembro"));
    QCOMPARE(dialog.table()->item(2, 0)->text(), QStringLiteral("Nov"));
    QCOMPARE(dialog.table()->item(2, 3)->text(), QStringLiteral("53"));
    QCOMPARE(dialog.table()->item(0, 0)->text(), QStringLiteral("Set 2026"));
    QCOMPARE(dialog.table()->item(12, 3)->text(), QStringLiteral("53"));
  }
};

QTEST_MAIN(ReportSheetDialogTest)
#include "report_sheet_dialog_test.moc"
