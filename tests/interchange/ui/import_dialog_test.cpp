// The import dialog and the collection file's preparation dialog on a
// congregation built by hand (November 2026 open).

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "interchange/collection_file.h"
#include "interchange/ui/collection_prep_dialog.h"
#include "interchange/ui/import_dialog.h"
#include "platform/prompter.h"
#include "support/temp_folder.h"

namespace store = ledra::store;
namespace interchange = ledra::interchange;
using store::SlotWords;

namespace {

constexpr int kNovSlot = 30;

void Fill(std::string& bytes, int index, SlotWords word, std::uint16_t value) {
  const std::size_t at =
      816 * (static_cast<std::size_t>(index) + 1) + static_cast<std::size_t>(word) + 2 * kNovSlot;
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

}  // namespace

class ImportDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<store::Document>(folder.path(), clock, prompter);
    QCOMPARE(doc->Open({}), store::OpenOutcome::kOpened);
    auto& db = doc->db();
    db.side.groups.set_count(1);
    db.side.groups.set_text(1, store::GroupTable::Text::kOverseer, "Rui Lima");
    for (auto [id, first] : {std::pair{101, "Rui"}, std::pair{102, "Ana"}}) {
      store::PublisherRecord p;
      p.set_id(static_cast<std::uint16_t>(id));
      p.SetText(store::field::kFname, first);
      p.SetText(store::field::kLname, "Lima");
      p.set_group(1);
      QVERIFY(db.AppendRow(p).ok());
    }
    db.row(db.FindRow(102)).set_word(SlotWords::kHours, kNovSlot, 5);
    db.SortTable();
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    db.modified = false;
  }

  void TheLinesTheirCountsAndTheMerge() {
    std::string bytes = interchange::BuildCollectionFile(*doc, {1, 10, 0, false, ""});
    Fill(bytes, 0, SlotWords::kHours, 6);   // Ana: replaces 5
    Fill(bytes, 1, SlotWords::kHours, 12);  // Rui: new
    auto table = interchange::ReadCollectionFile(bytes, *doc);
    QVERIFY(table.ok());
    interchange::ui::ImportDialog dialog(*doc, *table);
    QCOMPARE(dialog.list()->count(), 2);
    QCOMPARE(dialog.list()->selectedItems().size(), 2);
    QVERIFY(!dialog.import_button()->isHidden());
    dialog.ShowPreview(0);
    QVERIFY(dialog.preview()->styleSheet().contains("#fff7c0"));
    QVERIFY(dialog.preview()->text().contains(QStringLiteral("Substituindo")));
    dialog.list()->clearSelection();
    QVERIFY(dialog.import_button()->isHidden());
    dialog.list()->item(1)->setSelected(true);
    dialog.ImportSelected();
    QCOMPARE(dialog.merged(), 1);
    const auto& db = doc->db();
    QCOMPARE(db.row(db.FindRow(101)).word(SlotWords::kHours, kNovSlot), 12);
    QCOMPARE(db.row(db.FindRow(102)).word(SlotWords::kHours, kNovSlot), 5);
    QVERIFY(db.modified);
  }

  void ThePreparationDialogFollowsItsChoices() {
    store::Settings settings;
    interchange::ui::CollectionPrepDialog dialog(*doc, settings, 1, prompter, {});
    QCOMPARE(dialog.windowTitle(),
             QStringLiteral("Formando Lista de Recolhimento para Grupo 1 - Mês = Novembro"));
    // Ana has reported: the empty list is offered; Rui has not: saving is too.
    QVERIFY(!dialog.empty_box()->isHidden());
    QVERIFY(dialog.save_button()->isEnabled());
    QVERIFY(!dialog.mail_button()->isEnabled());
    QCOMPARE(dialog.mail_button()->text(),
             QStringLiteral("Não há Endereço de E-mail para Rui Lima"));
    dialog.secretary_email()->setText(QStringLiteral("sec@cong.pt"));
    dialog.next_month_button()->setChecked(true);
    QVERIFY(dialog.windowTitle().endsWith(QStringLiteral("Dezembro")));
    QVERIFY(dialog.SaveFile(false));
    QCOMPARE(settings.secretary_email, std::string("sec@cong.pt"));
    QVERIFY(QFile::exists(QString::fromStdString((folder.path() / "Grupo1.t09").string())));
    QVERIFY(!prompter.shown.empty());
    QVERIFY(QString::fromLatin1(prompter.shown.back().c_str()).contains("Grupo1.t09"));
  }

 private:
  ledra::TempFolder folder;
  ledra::FixedClock clock{ledra::Date{2026, 12, 8}};
  ledra::ScriptedPrompter prompter;
  std::unique_ptr<store::Document> doc;
};

QTEST_MAIN(ImportDialogTest)
#include "import_dialog_test.moc"
