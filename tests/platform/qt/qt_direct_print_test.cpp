#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/qt_direct_print.h"
#include "platform/string_table.h"
#include "reports/status_list_printout.h"
#include "reports/ui/default_printer.h"

namespace ledra::qt {

class QtDirectPrintTest : public QObject {
  Q_OBJECT

 private slots:
  void withoutDefaultPrinterTheUserIsToldAndNothingPrints() {
    if (!QPrinterInfo::defaultPrinter().isNull())
      QSKIP("this machine has a default printer; printing to it would waste paper");
    ScriptedPrompter prompter;
    bool drawn = false;
    const auto outcome =
        reports::ui::PrintDirect(prompter, {"Lista", {}, 96, 96}, [&](Canvas&) { drawn = true; });
    QCOMPARE(outcome, reports::DirectPrintOutcome::kNoPrinter);
    QVERIFY(!drawn);
    QCOMPARE(prompter.shown.size(), std::size_t{1});
    QCOMPARE(prompter.shown[0], Strings().Get(1234));
  }

  void statusListGoesToThePrinterPageByPage() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("list.pdf"));
    QtPrinterPort port(file);
    ScriptedPrompter prompter;
    reports::ReportEnv env;
    reports::StatusListDocument doc;
    doc.list_kind = reports::kCollectionFormList;
    doc.title =
        "Contribui\xe7\xf5"
        "es";
    doc.headings = {"Nome", "Valor", ""};
    for (int i = 0; i < 80; ++i) doc.entries.push_back({"Pessoa " + std::to_string(i), "1", ""});
    QCOMPARE(reports::PrintStatusLists(port, prompter, env, {doc}),
             reports::DirectPrintOutcome::kPrinted);
    QVERIFY(prompter.shown.empty());
    QVERIFY(QFileInfo(file).size() > 0);

    if (QProcess::execute(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}) != 0)
      QSKIP("pdfinfo (poppler-utils) is not installed");
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    QVERIFY(info.waitForFinished());
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))), qPrintable(out));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(words.count(QStringLiteral("Contribuições  -  Mês: ____")) == 2 ||
                 words.count(QStringLiteral("Mês: ____")) == 2,
             qPrintable(words));
    QVERIFY(words.contains(QStringLiteral("Pessoa 79")));
  }
};

}  // namespace ledra::qt

QTEST_MAIN(ledra::qt::QtDirectPrintTest)
#include "qt_direct_print_test.moc"
