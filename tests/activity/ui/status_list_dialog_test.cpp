// The status list dialog on a congregation built by hand (November 2026
// open), and its commands in the View menu.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "activity/ui/status_list_dialog.h"
#include "main_window.h"
#include "platform/prompter.h"
#include "startup.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

using ledra::activity::StatusListKind;
using ledra::activity::ui::StatusListDialog;
namespace store = ledra::store;

namespace {

store::PublisherRecord& Add(store::CongregationDatabase& db, std::uint16_t id, const char* first,
                            const char* last, store::ListType list) {
  store::PublisherRecord p;
  p.set_id(id);
  p.SetText(store::field::kFname, first);
  p.SetText(store::field::kLname, last);
  p.set_list_type(list);
  (void)db.AppendRow(p);
  return db.rows().back();
}

QStringList Row(QTreeWidget* tree, int row) {
  QStringList cells;
  QTreeWidgetItem* item = tree->topLevelItem(row);
  for (int c = 0; item != nullptr && c < item->columnCount(); ++c) cells << item->text(c);
  return cells;
}

}  // namespace

class StatusListDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    db = store::CongregationDatabase();
    db.SetToday(2026, 12, 9);
    db.header().bytes[store::header::kMonthStates + 10] = 1;
    store::PublisherRecord& ana = Add(db, 101, "Ana", "Silva", store::ListType::kActive);
    ana.SetText(store::field::kPhone, "555");
    for (int slot : {15, 18, 24, 27}) ana.set_word(store::SlotWords::kStudiesWord, slot, 0x0800);
    store::PublisherRecord& ivo = Add(db, 120, "Ivo", "Reis", store::ListType::kInactive);
    ivo.SetU8(201, 0xA0);  // October 2024
    ivo.SetU8(238, 24);
    ledra::ScriptedPrompter prompter;
    db.CountAllLists();
    db.RebuildIndexes(prompter);
  }

  void ShowsTheLinesInColumnsAtTheTabStops() {
    StatusListDialog dialog(db, {}, StatusListKind::kIrregular);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Publicadores Irregulares ( 1 )"));
    QCOMPARE(dialog.heading()->text(), QString::fromUtf8("Congregação"));
    QVERIFY(!dialog.second()->isVisible());
    QVERIFY(dialog.selections()->isVisible());
    QVERIFY(!dialog.copy_button()->isVisible());
    QCOMPARE(dialog.lines()->topLevelItemCount(), 1);
    QCOMPARE(Row(dialog.lines(), 0).mid(0, 2), (QStringList{"Silva, Ana", "Ago"}));
  }

  void SwitchesKindAndPeriod() {
    StatusListDialog dialog(db, {}, StatusListKind::kIrregular);
    dialog.show();
    dialog.kinds()->setCurrentIndex(dialog.kinds()->findData(int(StatusListKind::kInactive)));
    QVERIFY(dialog.second()->isVisible());
    QVERIFY(!dialog.selections()->isVisible());
    QCOMPARE(dialog.second()->count(), 5);
    QCOMPARE(dialog.lines()->topLevelItemCount(), 0);
    dialog.second()->setCurrentIndex(4);  // "Todos"
    QCOMPARE(dialog.heading()->text(), QStringLiteral("Todos"));
    QCOMPARE(Row(dialog.lines(), 0).mid(0, 3), (QStringList{"Reis, Ivo", "2024  ", "Grupo # 0"}));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Publicadores Inativos ( 1 )"));
  }

  void CopiesTheNotReportedToTheClipboard() {
    StatusListDialog dialog(db, {}, StatusListKind::kNotReported);
    dialog.show();
    QCOMPARE(dialog.second()->currentText(), QStringLiteral("Novembro"));
    QVERIFY(dialog.copy_button()->isVisible());
    dialog.copy_button()->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromUtf8("Não Relataram Novembro \r\nCongregação\r\n\r\n"
                               "Silva, Ana   555\r\n\r\n\r\n"));
    // October: Ana reported.
    dialog.second()->setCurrentIndex(9);
    QCOMPARE(dialog.lines()->topLevelItemCount(), 0);
  }

  void PrintHandsTheListShownToTheWindow() {
    StatusListDialog dialog(db, {}, StatusListKind::kIrregular);
    dialog.show();
    QVERIFY(dialog.print_button()->isVisible());
    QVERIFY(dialog.print_setup_button()->isVisible());
    std::vector<std::string> printed;
    dialog.on_print = [&](const ledra::activity::StatusListPage& page, StatusListKind kind) {
      printed.push_back(page.caption);
      QCOMPARE(int(kind), int(StatusListKind::kIrregular));
    };
    dialog.print_button()->click();
    QCOMPARE(printed.size(), std::size_t{1});
    QCOMPARE(printed[0], std::string("Publicadores Irregulares ( 1 )"));
  }

  void OpensFromTheViewMenu() {
    ledra::TempFolder folder;
    std::string file = ledra::test::HeaderRecord(9);
    file += ledra::test::PersonRecord(9, 101, "Ana", "Silva");
    ledra::WriteFixture(folder.path() / "tdat9.bin", file);
    ledra::ScriptedPrompter prompter;
    ledra::gui::Startup startup(
        {folder.path().string(),
         ledra::Date{2026, 12, 9},
         QStringLiteral("ledra-status-test-%1").arg(QCoreApplication::applicationPid()),
         {},
         {}},
        &prompter);
    QCOMPARE(startup.Start(), ledra::gui::Startup::Outcome::kRunning);
    QAction* irregular = nullptr;
    for (QAction* menu : startup.window()->menuBar()->actions()) {
      if (menu->menu() == nullptr) continue;
      for (QAction* a : menu->menu()->actions())
        if (a->text() == QStringLiteral("Irre&gulares")) irregular = a;
    }
    QVERIFY(irregular != nullptr);
    QString title;
    QTimer::singleShot(0, [&title] {
      QWidget* modal = QApplication::activeModalWidget();
      QVERIFY(modal != nullptr);
      title = modal->windowTitle();
      for (QPushButton* b : modal->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("&Pronto")) b->click();
    });
    irregular->trigger();
    // Ana has reported nothing.
    QCOMPARE(title, QStringLiteral("Publicadores Irregulares ( 1 )"));
  }

 private:
  store::CongregationDatabase db;
};

QTEST_MAIN(StatusListDialogTest)
#include "status_list_dialog_test.moc"
