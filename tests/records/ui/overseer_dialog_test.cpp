#include "records/ui/overseer_dialog.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "../../store/store_fixtures.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "store/document.h"

using namespace ledra;

class OverseerDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheRecordAndWritesTheTypedFields() {
    QTemporaryDir dir;
    QFile f(dir.filePath("tdat9.bin"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    const std::string bytes = test::HeaderRecord(23) +
                              test::PersonRecord(23, 101, "Ana", "Borges") +
                              test::PersonRecord(23, 150, "Abel", "Aguiar", 5);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();
    FixedClock clock(Date{2026, 1, 8});
    ScriptedPrompter prompter;
    store::Document doc(std::filesystem::path(dir.path().toStdString()), clock, prompter);
    QCOMPARE(doc.Open({}), store::OpenOutcome::kOpened);

    records::CircuitOverseerEditor editor(doc);
    records::ui::OverseerDialog d(editor, prompter);
    QCOMPARE(d.first->text(), QStringLiteral("Abel"));
    QCOMPARE(d.mobile->maxLength(), 14);
    QCOMPARE(d.email->maxLength(), 50);
    d.other_phone->setText(QStringLiteral("22"));
    d.email->setText(QStringLiteral("co@x.pt"));
    d.ok->click();
    QVERIFY(d.changed());
    QCOMPARE(doc.db().row(2).Text(store::field::kPhone3), std::string("22"));
    QCOMPARE(doc.ReadExtension(2)->email(), std::string("co@x.pt"));
    QVERIFY(prompter.shown.empty());
  }
};

QTEST_MAIN(OverseerDialogTest)
#include "overseer_dialog_test.moc"
