#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/ui/attendance_dialogs.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

using ledra::ScriptedPrompter;
using ledra::records::ui::AttendanceEntryDialog;
using ledra::records::ui::AttendanceRecordDialog;
namespace records = ledra::records;
namespace store = ledra::store;

namespace {

// Today 10 March 2026: the ReportMonth is February 2026.
struct Folder {
  Folder() {
    ledra::WriteFixture(
        folder.path() / "tdat9.bin",
        ledra::test::HeaderRecord(9) + ledra::test::PersonRecord(9, 101, "Ana", "Silva"));
    doc.Open({});
    doc.db().modified = false;
  }
  ledra::TempFolder folder;
  ledra::FixedClock clock{ledra::Date{2026, 3, 10}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

constexpr int kFebruary2026 = 1 * 3 + 0;

QWidget* Focused() {
  return QApplication::focusWidget();
}

}  // namespace

class AttendanceDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void enterWalksTheWeeksAndTypingShowsTotalAndAverage() {
    Folder f;
    AttendanceEntryDialog dialog(f.doc, f.prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(),
             QStringLiteral("Assist\u00eancia \u00e0s Reuni\u00f5es  - Fevereiro - 2026"));
    QCOMPARE(dialog.years()->count(), 3);
    QCOMPARE(dialog.years()->currentItem()->text(), QStringLiteral("26"));
    QCOMPARE(dialog.months()->currentItem()->text(), QStringLiteral("Fevereiro"));

    dialog.week(0, 0)->setFocus();
    const char* midweek[] = {"80", "", "90", "", ""};
    for (int w = 0; w < 5; ++w) {
      QCOMPARE(Focused(), static_cast<QWidget*>(dialog.week(0, w)));
      QTest::keyClicks(dialog.week(0, w), QString::fromLatin1(midweek[w]));
      QTest::keyClick(dialog.week(0, w), Qt::Key_Return);
    }
    // Week 5 of the midweek meeting leads to week 1 of the weekend.
    QCOMPARE(Focused(), static_cast<QWidget*>(dialog.week(1, 0)));
    QCOMPARE(dialog.total(0)->text(), QStringLiteral("170"));
    QCOMPARE(dialog.average(0)->text(), QStringLiteral("85"));
    QTest::keyClicks(dialog.week(1, 0), QStringLiteral("10"));
    QTest::keyClick(dialog.week(1, 0), Qt::Key_Enter);
    QTest::keyClicks(dialog.week(1, 1), QStringLiteral("1x1"));  // the letter is not taken
    QCOMPARE(dialog.total(1)->text(), QStringLiteral("21"));
    QCOMPARE(dialog.average(1)->text(), QStringLiteral("11"));
    for (int w = 1; w < 5; ++w) QTest::keyClick(Focused(), Qt::Key_Return);
    // Week 5 of the weekend leads back to week 1 of the midweek meeting.
    QCOMPARE(Focused(), static_cast<QWidget*>(dialog.week(0, 0)));
    QVERIFY(dialog.isVisible());
    QVERIFY(!f.doc.db().modified);

    QTest::mouseClick(dialog.done_button(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(f.doc.db().modified);
    const auto& blocks = f.doc.db().side.attendance;
    QCOMPARE(records::StoredFigures(blocks[0], kFebruary2026),
             (records::AttendanceFigures{2, 170, 85}));
    QCOMPARE(records::StoredFigures(blocks[1], kFebruary2026),
             (records::AttendanceFigures{2, 21, 11}));
    QVERIFY(f.prompter.shown.empty());
  }

  void choosingAMonthStoresTheShownOneAndABadValueKeepsTheDialogOpen() {
    Folder f;
    AttendanceEntryDialog dialog(f.doc, f.prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.week(1, 0), QStringLiteral("44"));
    dialog.years()->setCurrentRow(1);  // 2025 keeps February
    QCOMPARE(dialog.windowTitle().right(16), QStringLiteral("Fevereiro - 2025"));
    QCOMPARE(dialog.week(1, 0)->text(), QString());
    QCOMPARE(dialog.months()->count(), 12);
    QCOMPARE(records::StoredWeeks(f.doc.db().side.attendance[1], kFebruary2026)[0], 44);

    dialog.years()->setCurrentRow(0);  // 2024 offers March to December: the nearest is March
    QCOMPARE(dialog.months()->currentItem()->text(), QString::fromUtf8("Mar\u00e7o"));
    QTest::keyClicks(dialog.week(0, 4), QStringLiteral("70000"));
    QCOMPARE(dialog.total(0)->text(), QString());
    dialog.reject();
    QVERIFY(dialog.isVisible());
    QCOMPARE(f.prompter.shown.size(), std::size_t{1});
    QVERIFY(f.prompter.shown[0].find("semana 5") != std::string::npos);
    // The month cannot change while a field is bad.
    dialog.months()->setCurrentRow(1);
    QCOMPARE(f.prompter.shown.size(), std::size_t{2});
    QCOMPARE(dialog.months()->currentItem()->text(), QString::fromUtf8("Mar\u00e7o"));
    QCOMPARE(dialog.week(0, 4)->text(), QStringLiteral("70000"));
  }

  void theRecordDialogShowsThePageAndItsPrintButton() {
    Folder f;
    records::AttendanceEntry entry(f.doc);
    entry.field(0, 0) = "80";
    QVERIFY(entry.Store().ok());
    ledra::reports::ReportEnv env;
    AttendanceRecordDialog dialog(f.doc.db(), env, f.prompter);
    QCOMPARE(dialog.windowTitle(),
             QStringLiteral("M\u00e9dias das Assist\u00eancias \u00e0s Reuni\u00f5es"));
    QCOMPARE(dialog.print_button()->text(), QStringLiteral("&Imprimir"));
    QCOMPARE(dialog.preview()->size(), QSize(96 * 17 / 2, 96 * 11));
    QCOMPARE(dialog.record().years[0][1].months[5]->total, 80);
    // The preview draws the page on white.
    const QImage page = dialog.preview()->grab().toImage();
    QCOMPARE(page.pixelColor(2, 2), QColor(Qt::white));
    int dark = 0;
    for (int y = 0; y < page.height(); y += 2)
      for (int x = 0; x < page.width(); x += 2) dark += page.pixelColor(x, y).lightness() < 128;
    QVERIFY(dark > 500);

    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
    QTest::mouseClick(dialog.print_button(), Qt::LeftButton);
    QCOMPARE(f.prompter.shown.size(), std::size_t{1});
    QCOMPARE(f.prompter.shown[0], ledra::Strings().Get(ledra::str::kPrinterMissing));
  }
};

QTEST_MAIN(AttendanceDialogsTest)
#include "attendance_dialogs_test.moc"
