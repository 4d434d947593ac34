// The CSV import's dialogs and the export dialog bound to their rules: pairing
// columns with the preview, pairing names, the whole run from a file to the
// import table with the maps it keeps, and the exports offered in Arquivo.

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "document_menus.h"
#include "interchange/ui/csv_export_dialogs.h"
#include "interchange/ui/csv_import_wizard.h"
#include "main_window.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "support/temp_folder.h"

namespace ledra::interchange::ui {

// Ana Silva (101) and Rui Dias (102), active; ReportMonth November 2026.
struct Congregation {
  Congregation() {
    (void)doc.Open({});
    for (auto [id, first, last] : {std::tuple{101, "Ana", "Silva"}, {102, "Rui", "Dias"}}) {
      store::PublisherRecord p;
      p.set_id(static_cast<std::uint16_t>(id));
      p.SetText(store::field::kFname, first);
      p.SetText(store::field::kLname, last);
      (void)doc.db().AppendRow(p);
    }
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);
  }
  platform::Path Csv(std::string_view text) {
    const platform::Path path = folder.path() / "relatorios.csv";
    WriteFixture(path, text);
    return path;
  }
  TempFolder folder;
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

class CsvDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void theColumnDialogPairsAndShowsTheFirstLines() {
    Congregation c;
    const Result<CsvFile> file = ParseCsv("Nome,Part,Est,Hrs,Obs\r\nAna Silva,1,2,3,x\r\n");
    QVERIFY(file.ok());
    ColumnMappingStep step(*file, std::nullopt);
    CsvColumnDialog d(step);
    QCOMPARE(d.columns->count(), 5);
    QCOMPARE(d.preview->rowCount(), 1);
    QCOMPARE(d.preview->item(0, 0)->text(), QStringLiteral("Ana Silva"));
    QVERIFY(d.continue_button->isHidden());
    d.targets->setCurrentRow(Index(CsvTarget::kName));
    emit d.columns->itemClicked(d.columns->item(0));
    QCOMPARE(d.targets->item(Index(CsvTarget::kName))->text(),
             QStringLiteral("Nome -> Nome (primeiro \u00faltimo)"));
    // The next target without a column is chosen.
    QCOMPARE(d.targets->currentRow(), Index(CsvTarget::kNameSurnameFirst));
    for (auto [target, column] :
         {std::pair{CsvTarget::kStudies, 2}, {CsvTarget::kHours, 3}, {CsvTarget::kRemark, 4}}) {
      d.targets->setCurrentRow(Index(target));
      emit d.columns->itemClicked(d.columns->item(column));
    }
    QVERIFY(d.continue_button->isHidden());  // participation is still missing
    d.from_hours->click();
    QVERIFY(!d.continue_button->isHidden());
    QCOMPARE(d.targets->item(Index(CsvTarget::kParticipated))->text(),
             QStringLiteral("* -> Particip."));
    d.clear->click();
    QVERIFY(d.continue_button->isHidden());
    QCOMPARE(d.targets->item(Index(CsvTarget::kName))->text(),
             QStringLiteral("Nome (primeiro \u00faltimo)"));
  }

  void theNameDialogPairsAndSkips() {
    Congregation c;
    const Result<CsvFile> file = ParseCsv("N,P,E,H,O\r\nAnna Silva,1,,,\r\nRuy Dias,1,,,\r\n");
    QVERIFY(file.ok());
    ColumnMap map;
    map.column = {-1, -1, 1, 2, 3, 4, 0, -1};
    NameMatchingStep step(c.doc.db(), *file, map, {});
    CsvNameDialog d(step);
    QCOMPARE(d.windowTitle(), QStringLiteral("2 publicadores n\u00e3o identificados"));
    QCOMPARE(d.publishers->count(), 2);
    QVERIFY(d.continue_button->isHidden());
    d.names->setCurrentRow(0);
    d.publishers->setCurrentRow(0);
    d.pair->click();
    QCOMPARE(d.names->item(0)->text(), QStringLiteral("Anna Silva -> Silva, Ana"));
    QCOMPARE(d.windowTitle(), QStringLiteral("1 publicadores n\u00e3o identificados"));
    d.skip->click();
    QVERIFY(!d.continue_button->isHidden());
    d.clear->click();
    QCOMPARE(d.names->item(0)->text(), QStringLiteral("Anna Silva"));
  }

  void aFileThroughBothStepsGivesTheImportTable() {
    Congregation c;
    const platform::Path path = c.Csv(
        "Primeiro nome,Ultimo nome,Particip.,Estudos b\xEDnblicos,Horas,Observa\xE7\xF5"
        "es\r\nAna,Silva,1,2,10,\r\nRuy,Dias,1,1,,Novo\r\n");
    // The header "bínblicos" is no label: the studies are paired by hand.
    bool columns_done = false, names_done = false;
    QTimer::singleShot(0, this, [&] {
      auto* d = qobject_cast<CsvColumnDialog*>(QApplication::activeModalWidget());
      QVERIFY(d);
      d->targets->setCurrentRow(Index(CsvTarget::kStudies));
      emit d->columns->itemClicked(d->columns->item(3));
      QVERIFY(!d->continue_button->isHidden());
      columns_done = true;
      d->continue_button->click();
      QTimer::singleShot(0, this, [&] {
        auto* n = qobject_cast<CsvNameDialog*>(QApplication::activeModalWidget());
        QVERIFY(n);
        QCOMPARE(n->names->count(), 1);
        n->names->setCurrentRow(0);
        n->publishers->setCurrentRow(0);
        n->pair->click();
        names_done = true;
        n->continue_button->click();
      });
    });
    const std::optional<ImportTable> table = RunCsvImportSteps(nullptr, c.doc, c.prompter, path);
    QVERIFY(columns_done && names_done);
    QVERIFY(table.has_value());
    QCOMPARE(table->mode, ImportMode::kCsv);
    QCOMPARE(table->matches, (std::vector<std::uint16_t>{101, 102}));
    QCOMPARE(table->remarks.size(), std::size_t{1});
    QCOMPARE(platform::FileSize(c.folder.path() / "ldmap.dat"), std::optional<std::uint64_t>{840});
    QCOMPARE(ReadNameMap(c.folder.path()),
             (std::vector<NamePair>{{"Dias, Rui", "Dias, Ruy", 102}}));

    // A file that is no report is refused with its message, no dialog shown.
    QVERIFY(!RunCsvImportSteps(nullptr, c.doc, c.prompter, c.Csv("a,b\r\n1,2\r\n")));
    QCOMPARE(c.prompter.shown.back().substr(0, 20), std::string("O arquivo CSV n\xE3o co"));
  }

  void theDataExportAndTheQuestionAfterwards() {
    Congregation c;
    DataExportDialog d(c.doc);
    QCOMPARE(d.month->currentIndex(), 10);
    QVERIFY(d.csv->isChecked());
    d.rpt->setChecked(true);
    d.header->setChecked(true);
    d.month->setCurrentIndex(11);
    const ExportRequest r = d.request();
    QCOMPARE(r.month_index, 11);
    QVERIFY(r.tab && r.header);
    c.prompter.answers = {Answer::kNo};
    const std::optional<platform::Path> file = WriteAndOffer(c.doc, r, c.prompter);
    QVERIFY(file.has_value());
    QVERIFY(platform::FileExists(c.folder.path() / "Exports" / "Dezembro.rpt"));
    QCOMPARE(c.prompter.shown.back(),
             platform::PathForMessage(*file) + " exportado\nMostrar na pasta?");
  }

  void theExportsSitInTheFileMenu() {
    Congregation c;
    store::Settings settings;
    gui::MainWindow window;
    new gui::DocumentMenus(window, c.doc, settings, c.prompter, c.clock);
    QMenu* exports = nullptr;
    for (QAction* a : window.file_menu()->actions())
      if (a->menu() != nullptr && a->text() == qt::Text(str::kExportSubmenu)) exports = a->menu();
    QVERIFY(exports != nullptr);
    QStringList texts;
    for (QAction* a : exports->actions()) texts << a->text();
    QCOMPARE(texts,
             (QStringList{"Exportar Dados", "Exportar informa\u00e7\u00e3o de Contactos",
                          "Exportar Contactos de Emergencia", "Export Card Headers",
                          "Exportar Lista de Recolhimento CSV",
                          "Exportar assist\u00eancia \u00e0s reuni\u00f5es", "Exportar resumo"}));
    c.prompter.answers = {Answer::kNo};
    exports->actions().at(6)->trigger();
    QVERIFY(platform::FileExists(c.folder.path() / "Exports" / "Resumo.csv"));
  }
};

}  // namespace ledra::interchange::ui

QTEST_MAIN(ledra::interchange::ui::CsvDialogsTest)
#include "csv_dialogs_test.moc"
