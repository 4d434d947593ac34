// The pioneer list dialog on a small congregation: its caption, and a
// publisher marked off and back for the month shown.

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "platform/prompter.h"
#include "records/ui/people_list_dialogs.h"
#include "support/temp_folder.h"

namespace store = ledra::store;
using ledra::records::PioneerMode;
using ledra::records::ui::PioneerListDialog;

class PeopleListDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void PioneersOfAMonth() {
    ledra::TempFolder root;
    ledra::ScriptedPrompter prompter;
    ledra::FixedClock clock{ledra::Date{2026, 12, 8}};
    store::Document doc(root.path(), clock, prompter);
    QCOMPARE(doc.Open({}), store::OpenOutcome::kOpened);
    store::PublisherRecord p;
    p.set_id(101);
    p.SetText(store::field::kLname, "Silva");
    for (int s = 0; s < store::kSlotCount; ++s) p.set_pioneer_code(s, 2);
    QVERIFY(doc.db().AppendRow(p).ok());
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);

    PioneerListDialog dialog(doc, PioneerMode::kRegular, prompter);
    QCOMPARE(dialog.years()->count(), 3);
    QCOMPARE(dialog.months()->currentText(), QStringLiteral("Novembro"));
    QCOMPARE(dialog.listed()->count(), 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pioneiros Regulares - Novembro 26 ( 1 )"));
    dialog.listed()->setCurrentRow(0);
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text().contains(QStringLiteral("Apagar"))) b->click();
    QCOMPARE(dialog.listed()->count(), 0);
    QCOMPARE(dialog.others()->count(), 1);
    QVERIFY(dialog.changed());
    QCOMPARE(doc.db().row(1).pioneer_code(store::MonthSlot(10, 26)), 0);
    QCOMPARE(doc.db().row(1).pioneer_code(store::MonthSlot(9, 26)), 2);
  }
};

QTEST_MAIN(PeopleListDialogsTest)
#include "people_list_dialogs_test.moc"
