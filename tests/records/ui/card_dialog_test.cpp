// The record card dialog on the demo congregation: its lists, the year
// shown, and the active file written as one PDF.

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "platform/prompter.h"
#include "records/ui/card_dialog.h"
#include "store/demo_congregation.h"
#include "support/temp_folder.h"

namespace store = ledra::store;
using ledra::records::ui::RecordCardDialog;

class CardDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ListsPreviewAndFile() {
    ledra::TempFolder root;
    ledra::ScriptedPrompter prompter;
    store::DemoOptions options;
    options.people = 30;
    options.today = {2026, 12, 8};
    QVERIFY(store::WriteDemoCongregation(root.path() / "demo", options, prompter).ok());
    ledra::FixedClock clock{ledra::Date{2026, 12, 8}};
    store::Document doc(root.path() / "demo", clock, prompter);
    QCOMPARE(doc.Open({}), store::OpenOutcome::kOpened);
    store::Settings settings;
    RecordCardDialog dialog(doc, settings, prompter);

    const auto active = doc.db().status_list(store::ListType::kActive).size();
    QCOMPARE(dialog.list()->count(), static_cast<int>(active));
    QVERIFY(dialog.inactive()->isEnabled());
    QCOMPARE(dialog.model().PreviewCard()->years.at(0).service_year, 2027);

    dialog.previous_year()->setChecked(true);
    QCOMPARE(dialog.model().PreviewCard()->years.at(0).service_year, 2026);
    dialog.inactive()->setChecked(true);
    QCOMPARE(dialog.list()->count(),
             static_cast<int>(doc.db().status_list(store::ListType::kInactive).size()));
    QVERIFY(dialog.edit_button()->isEnabled());

    const QString file = QString::fromStdString((root.path() / "cards.pdf").string());
    QVERIFY(dialog.WriteFile(false, file));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(4) == "%PDF");
  }
};

QTEST_MAIN(CardDialogTest)
#include "card_dialog_test.moc"
