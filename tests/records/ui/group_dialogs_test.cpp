#include "records/ui/group_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "../../store/store_fixtures.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "records/ui/publisher_chooser_dialog.h"
#include "store/document.h"
#include "store/settings.h"

using namespace ledra;

class GroupDialogsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  FixedClock clock_{Date{2026, 1, 8}};
  ScriptedPrompter prompter_;
  store::Settings settings_;

  std::unique_ptr<store::Document> Open() {
    QFile f(dir_.filePath("tdat9.bin"));
    if (!f.open(QIODevice::WriteOnly)) return nullptr;
    const std::string bytes = test::HeaderRecord(23) +
                              test::PersonRecord(23, 101, "Ana", "Borges") +
                              test::PersonRecord(23, 102, "Bruno", "Costa");
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();
    auto doc = std::make_unique<store::Document>(std::filesystem::path(dir_.path().toStdString()),
                                                 clock_, prompter_);
    if (doc->Open({}) != store::OpenOutcome::kOpened) return nullptr;
    return doc;
  }

 private slots:
  void TheListNamesTheSelectedGroupAndMarksUnknownNames() {
    auto doc = Open();
    QVERIFY(doc);
    auto& groups = doc->db().side.groups;
    groups.set_count(1);
    groups.set_text(1, store::GroupTable::Text::kOverseer, "Rui Faria");
    groups.set_text(2, store::GroupTable::Text::kName, "Norte");
    records::ui::GroupListDialog d(*doc, settings_, prompter_);
    QCOMPARE(d.list->topLevelItemCount(), 20);
    QCOMPARE(d.list->topLevelItem(0)->text(1), QStringLiteral("Rui Faria*"));
    QCOMPARE(d.note->text(), QString::fromUtf8("* Não no arquivo"));
    QCOMPARE(d.edit->text(), QStringLiteral("Editar Grupo # 1"));
    d.list->setCurrentItem(d.list->topLevelItem(1));
    QCOMPARE(d.edit->text(), QStringLiteral("Editar Norte"));
  }

  void TheEditorPicksTheOverseerAndAssignsMembers() {
    auto doc = Open();
    QVERIFY(doc);
    records::GroupEditor editor(doc->db(), 1);
    records::ui::GroupEditorDialog d(editor, *doc, settings_, prompter_);
    d.show();
    bool picked = false;
    QTimer::singleShot(0, this, [&] {
      auto* chooser =
          qobject_cast<records::ui::PublisherChooserDialog*>(QApplication::activeModalWidget());
      QVERIFY(chooser);
      chooser->list->setCurrentRow(1);
      chooser->accept_button->click();
      picked = true;
    });
    d.pick_overseer->click();
    QVERIFY(picked);
    QCOMPARE(d.overseer->text(), QStringLiteral("Bruno Costa"));

    bool assigned = false;
    QTimer::singleShot(0, this, [&] {
      auto* m = qobject_cast<records::ui::GroupMembersDialog*>(QApplication::activeModalWidget());
      QVERIFY(m);
      QCOMPARE(m->unassigned->count(), 2);
      m->unassigned->setCurrentRow(0);
      m->move_in->click();
      QCOMPARE(m->members->count(), 1);
      QCOMPARE(m->members->item(0)->text(), QStringLiteral("Borges, Ana"));
      assigned = true;
      m->done->click();
    });
    d.members->click();
    QVERIFY(assigned);
    QCOMPARE(doc->db().row(1).group(), std::uint8_t{0});  // until OK

    d.place->setText(QStringLiteral("Sala 2"));
    d.weekday->setCurrentIndex(4);
    d.ok->click();
    const auto& groups = doc->db().side.groups;
    QCOMPARE(groups.text(1, store::GroupTable::Text::kOverseer), std::string("Bruno Costa"));
    QCOMPARE(groups.text(1, store::GroupTable::Text::kPlace), std::string("Sala 2"));
    QCOMPARE(groups.day(1), std::uint8_t{4});
    QCOMPARE(groups.count(), 1);
    QCOMPARE(doc->db().row(1).group(), std::uint8_t{1});
    QVERIFY(doc->db().modified);
  }
};

QTEST_MAIN(GroupDialogsTest)
#include "group_dialogs_test.moc"
