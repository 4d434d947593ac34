#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "action_panel.h"
#include "activity/month_calendar.h"
#include "activity/ui/month_dialog.h"
#include "activity/ui/sheet_list_dialog.h"
#include "main_window.h"
#include "platform/files.h"
#include "platform/string_ids.h"
#include "startup.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

using ledra::Answer;
using ledra::ScriptedPrompter;
using ledra::activity::MonthRequest;
using ledra::activity::ui::MonthDialog;
using ledra::activity::ui::SheetListDialog;
namespace store = ledra::store;

namespace {

std::uint8_t State(const store::CongregationDatabase& db, int m) {
  return store::header::MonthStateByte(db.header(), m);
}

// Clicks the button whose text starts with `text` in the modal dialog that
// opens next.
void ClickWhenShown(const QString& text) {
  QTimer::singleShot(0, [text] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal != nullptr);
    for (QPushButton* b : modal->findChildren<QPushButton*>()) {
      if (b->isVisible() && b->text().startsWith(text)) {
        b->click();
        return;
      }
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + text));
  });
}

}  // namespace

class MonthDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheButtonsTheRulesAllow() {
    store::CongregationDatabase db;
    db.SetToday(2026, 12, 27);  // November closed
    db.header().bytes[store::header::kMonthStates + 10] = 2;
    ScriptedPrompter prompter;
    MonthDialog dialog(db, prompter);
    dialog.show();
    QVERIFY(dialog.ok_button()->isVisible());
    QCOMPARE(dialog.ok_button()->text(),
             QString::fromUtf8("Reabrir e continuar a lançar os relatórios de Novembro"));
    QCOMPARE(dialog.start_button()->text(),
             QString::fromUtf8("Reinicializar e abrir o lançamento de relatórios para Novembro"));
    QVERIFY(dialog.early_button()->isVisible());
    QCOMPARE(dialog.early_button()->text(),
             QString::fromUtf8("Iniciar o lançamento dos relatórios para Dezembro"));
    QVERIFY(dialog.hint_button()->isVisible());
    dialog.hint_button()->click();
    QCOMPARE(prompter.shown.size(), size_t{1});
    QVERIFY(prompter.shown[0].starts_with("Sugest"));
  }

  void CancelInTheQuestionKeepsTheDialogOpenAndChangesNothing() {
    store::CongregationDatabase db;
    db.SetToday(2026, 12, 27);
    db.header().bytes[store::header::kMonthStates + 10] = 2;
    ScriptedPrompter prompter;
    prompter.answers = {Answer::kCancel, Answer::kOk};
    MonthDialog dialog(db, prompter);
    dialog.show();
    dialog.early_button()->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(State(db, 10), std::uint8_t{2});
    QVERIFY(!db.modified);
    dialog.early_button()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.choice().request, MonthRequest::kStart);
    QVERIFY(dialog.choice().early);
    QCOMPARE(State(db, 11), std::uint8_t{1});
  }

  void SheetListClosesTheMonth() {
    ledra::TempFolder folder;
    ledra::FixedClock clock(ledra::Date{2026, 12, 10});
    ScriptedPrompter prompter;
    store::Document doc(folder.path(), clock, prompter);
    doc.Open({});
    auto& db = doc.db();
    db.header().bytes[store::header::kMonthStates + 10] = 1;
    SheetListDialog sheets(doc, prompter);
    QVERIFY(sheets.close_month_button()->text().startsWith(
        QString::fromUtf8("Fechar lançamento dos relatórios de Novembro")));
    sheets.close_month_button()->click();
    QVERIFY(sheets.closed_month());
    QCOMPARE(State(db, 10), std::uint8_t{2});
  }

  // The whole month from the action panel: start, the sheet list, close.
  void StartsAndClosesTheMonthFromTheActionPanel() {
    ledra::TempFolder folder;
    std::string file = ledra::test::HeaderRecord(9);
    std::string ana = ledra::test::PersonRecord(9, 101, "Ana", "Silva");
    ledra::test::Put16(ana, 384 + 2 * 30, 15);
    file += ana;
    ledra::WriteFixture(folder.path() / "tdat9.bin", file);
    ScriptedPrompter prompter;
    ledra::gui::Startup startup(
        {folder.path().string(),
         ledra::Date{2026, 12, 3},
         QStringLiteral("ledra-month-test-%1").arg(QCoreApplication::applicationPid()),
         {},
         {}},
        &prompter);
    QCOMPARE(startup.Start(), ledra::gui::Startup::Outcome::kRunning);
    auto* panel = startup.window()->findChild<ledra::gui::ActionPanel*>();
    QVERIFY(panel != nullptr);
    QPushButton* entries = panel->button(ledra::str::kPanelEntries);
    QVERIFY(entries != nullptr && entries->isVisible());

    // The month dialog: start November; then the sheet list: close it.
    ClickWhenShown(QString::fromUtf8("Iniciar o lançamento"));
    QTimer::singleShot(50, [] {
      QWidget* modal = QApplication::activeModalWidget();
      QVERIFY(modal != nullptr);
      auto* list = modal->findChild<QListWidget*>();
      QVERIFY(list != nullptr);
      QCOMPARE(list->count(), 1);
      ClickWhenShown(QString::fromUtf8("Fechar lançamento"));
    });
    entries->click();
    const auto& db = startup.document()->db();
    QCOMPARE(State(db, 10), std::uint8_t{2});
    // The start was saved with its copy; the close waits for Save.
    const std::string saved = *ledra::platform::ReadFileIfPresent(folder.path() / "tdat9.bin");
    QCOMPARE(int(static_cast<std::uint8_t>(saved[137 + 10])), 1);
    QCOMPARE(int(static_cast<std::uint8_t>(saved[816 + 384 + 2 * 30])), 0);
    QVERIFY(ledra::platform::FileExists(folder.path() / "Roll" / "Ld9_10" / "tdat9.bin"));
    QVERIFY(db.modified);
  }
};

QTEST_MAIN(MonthDialogTest)
#include "month_dialog_test.moc"
