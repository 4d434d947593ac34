#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "../../store/store_fixtures.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "records/household.h"
#include "records/ui/date_lists.h"
#include "records/ui/person_side_dialogs.h"
#include "records/ui/publisher_chooser_dialog.h"
#include "records/ui/publisher_editor_dialog.h"
#include "store/document.h"
#include "store/settings.h"

using namespace ledra;

class PublisherEditingDialogsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::filesystem::path Folder() const { return std::filesystem::path(dir_.path().toStdString()); }
  void WriteData(const std::string& bytes) {
    QFile f(dir_.filePath("tdat9.bin"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  // The one label whose buddy is `w`, or nothing.
  static QLabel* LabelOf(QWidget* dialog, QWidget* w) {
    QLabel* found = nullptr;
    for (QLabel* l : dialog->findChildren<QLabel*>()) {
      if (l->buddy() != w) continue;
      if (found) return nullptr;
      found = l;
    }
    return found;
  }

 private slots:
  void AddsAPersonThroughTheRealDialogsAndFindsThemSavedAndSorted() {
    WriteData(test::HeaderRecord(23) + test::PersonRecord(23, 101, "Ana", "Borges") +
              test::PersonRecord(23, 102, "Eva", "Dias"));
    FixedClock clock(Date{2026, 1, 8});
    ScriptedPrompter prompter;
    store::Document doc(Folder(), clock, prompter);
    QCOMPARE(doc.Open({}), store::OpenOutcome::kOpened);
    store::Settings settings;
    records::ui::PublisherChooserDialog chooser(doc, settings, prompter,
                                                records::ChooserMode::kEdit);
    chooser.show();
    QCOMPARE(chooser.list->count(), 2);

    bool typed = false, status_seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* ed =
          qobject_cast<records::ui::PublisherEditorDialog*>(QApplication::activeModalWidget());
      QVERIFY(ed);
      // A failed check below must not leave the dialog waiting forever.
      struct CloseOnFailure {
        QDialog* d;
        bool* done;
        ~CloseOnFailure() {
          if (!*done && d->isVisible()) d->reject();
        }
      } guard{ed, &typed};
      QApplication::setActiveWindow(ed);
      QVERIFY(!ed->remove->isVisible());
      ed->first->setFocus();
      QTest::keyClicks(ed->first, "carla");
      QCOMPARE(ed->first->text(), QStringLiteral("Carla"));
      // Enter moves on instead of closing.
      QTest::keyClick(ed->first, Qt::Key_Return);
      QVERIFY(ed->isVisible());
      QCOMPARE(ed->focusWidget(), ed->last);
      QTest::keyClicks(ed->last, "costa");
      ed->address->setText(QString::fromUtf8("Rua São João 5"));  // keyClicks is ASCII only
      ed->boxes[records::Box::kFemale]->setFocus();
      QTest::keyClick(ed->boxes[records::Box::kFemale], Qt::Key_Space);
      QTimer::singleShot(0, this, [&] {
        auto* st = qobject_cast<records::ui::StatusDialog*>(QApplication::activeModalWidget());
        QVERIFY(st);
        status_seen = true;
        st->accept();
      });
      typed = true;
      ed->ok->setFocus();
      QTest::keyClick(ed->ok, Qt::Key_Return);
    });
    chooser.add_button->click();
    QVERIFY(typed);
    QVERIFY(status_seen);
    QCOMPARE(chooser.list->count(), 3);
    QCOMPARE(chooser.list->item(1)->text(), QStringLiteral("Costa, Carla"));
    QCOMPARE(chooser.list->currentRow(), 1);
    QCOMPARE(doc.db().row(2).lname(), std::string("Costa"));

    QVERIFY(doc.SaveCommand(false).ok());
    store::Document again(Folder(), clock, prompter);
    QCOMPARE(again.Open({}), store::OpenOutcome::kOpened);
    QCOMPARE(again.db().people(), 3);
    QCOMPARE(again.db().row(2).fname(), std::string("Carla"));
    QCOMPARE(again.db().row(2).Text(store::field::kAddr), std::string("Rua S\xE3o Jo\xE3o 5"));
    QCOMPARE(again.db().row(2).attribute_flags(), std::uint8_t{store::attr::kFemale});
    QCOMPARE(again.db().row(2).status_change(), std::uint8_t{12 * 16 + 1});
    QVERIFY(prompter.shown.empty());
  }

  void NextFromTheLastWrapsToTheFirst() {
    WriteData(test::HeaderRecord(23) + test::PersonRecord(23, 101, "Ana", "Borges") +
              test::PersonRecord(23, 102, "Eva", "Dias"));
    FixedClock clock(Date{2026, 1, 8});
    ScriptedPrompter prompter;
    store::Document doc(Folder(), clock, prompter);
    QCOMPARE(doc.Open({}), store::OpenOutcome::kOpened);
    store::Settings settings;
    records::PublisherChooser chooser(doc.db(), records::ChooserMode::kEdit);
    chooser.SelectId(102);
    records::PublisherEditor editor(doc, settings, prompter, records::EditorMode::kEdit,
                                    doc.db().FindRow(102));
    records::ui::PublisherEditorDialog dialog(editor, &chooser, prompter);
    dialog.show();
    QCOMPARE(dialog.first->text(), QStringLiteral("Eva"));
    QTest::mouseClick(dialog.next, Qt::LeftButton);
    QCOMPARE(dialog.first->text(), QStringLiteral("Ana"));
    QVERIFY(dialog.remove->isVisible());
  }

  void LongFirstNameIsShortenedWhenTheFieldIsLeftNotWhileTyping() {
    WriteData(test::HeaderRecord(23) + test::PersonRecord(23, 101, "Ana", "Vasconcelosabc"));
    FixedClock clock(Date{2026, 1, 8});
    ScriptedPrompter prompter;
    store::Document doc(Folder(), clock, prompter);
    QCOMPARE(doc.Open({}), store::OpenOutcome::kOpened);
    store::Settings settings;
    records::PublisherEditor editor(doc, settings, prompter, records::EditorMode::kEdit,
                                    doc.db().FindRow(101));
    records::ui::PublisherEditorDialog dialog(editor, nullptr, prompter);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.first->setFocus();
    dialog.first->selectAll();
    // 11 letters with a 14-letter surname pass 23, yet every letter stays while typing.
    QTest::keyClicks(dialog.first, "maximiliano");
    QCOMPARE(dialog.first->text(), QStringLiteral("Maximiliano"));
    QCOMPARE(editor.form().first, std::string("Maximiliano"));
    QTest::keyClick(dialog.first, Qt::Key_Tab);
    QVERIFY(dialog.focusWidget() != dialog.first);
    QCOMPARE(dialog.first->text(), QStringLiteral("M."));
    QCOMPARE(editor.form().first, std::string("M."));
  }

  void EveryEditorFieldHasItsLabelInTheForm() {
    WriteData(test::HeaderRecord(23) + test::PersonRecord(23, 101, "Ana", "Borges"));
    FixedClock clock(Date{2026, 1, 8});
    ScriptedPrompter prompter;
    store::Document doc(Folder(), clock, prompter);
    QCOMPARE(doc.Open({}), store::OpenOutcome::kOpened);
    store::Settings settings;
    records::PublisherEditor editor(doc, settings, prompter, records::EditorMode::kEdit,
                                    doc.db().FindRow(101));
    records::ui::PublisherEditorDialog dialog(editor, nullptr, prompter);
    dialog.show();
    auto* form = qobject_cast<QFormLayout*>(dialog.layout());
    QVERIFY(form);
    const std::vector<std::pair<QWidget*, QString>> fields = {
        {dialog.first, "Nome"},
        {dialog.last, "Sobrenome"},
        {dialog.address, QString::fromUtf8("Endereço")},
        {dialog.home, "Home Phone"},
        {dialog.mobile, "Celular"},
        {dialog.work, "Telefone do Trabalho"},
        {dialog.email, "E-Mail"},
        {dialog.birth, "Data de Nascimento"},
        {dialog.baptism, "Data de Batismo"},
        {dialog.consent_date, "Data do consentimento"}};
    for (const auto& [field, text] : fields) {
      QLabel* label = LabelOf(&dialog, field);
      QVERIFY2(label, qPrintable(text));
      QCOMPARE(label->text(), text);
      // Beside its field in the form, so the labels line up.
      QCOMPARE(form->labelForField(field), label);
    }
    // The consent date and its label show only while consent is ticked.
    QLabel* consent_label = LabelOf(&dialog, dialog.consent_date);
    QVERIFY(!dialog.consent->isChecked());
    QVERIFY(!dialog.consent_date->isVisible() && !consent_label->isVisible());
    dialog.consent->click();
    QVERIFY(dialog.consent_date->isVisible() && consent_label->isVisible());
  }

  void HouseholdListsAreHeadedAndAddAndRemoveMembers() {
    WriteData(test::HeaderRecord(23) + test::PersonRecord(23, 101, "Ana", "Borges") +
              test::PersonRecord(23, 102, "Eva", "Dias") +
              test::PersonRecord(23, 103, "Rui", "Lopes") +
              test::PersonRecord(23, 104, "Teo", "Matos", /*list_type=*/1));
    FixedClock clock(Date{2026, 1, 8});
    ScriptedPrompter prompter;
    store::Document doc(Folder(), clock, prompter);
    QCOMPARE(doc.Open({}), store::OpenOutcome::kOpened);
    doc.db().row(doc.db().FindRow(102)).SetU16(188, 101);  // Eva lives with Ana

    records::HouseholdEditor editor(doc.db(), 101, /*can_edit=*/true);
    records::ui::HouseholdDialog dialog(editor);
    dialog.show();
    QLabel* members = LabelOf(&dialog, dialog.members);
    QLabel* others = LabelOf(&dialog, dialog.candidates);
    QVERIFY(members && others);
    QCOMPARE(members->text(), QString::fromUtf8("Membros da família"));
    QCOMPARE(others->text(), QString::fromUtf8("Publicadores sem família"));
    QCOMPARE(dialog.members->count(), 1);
    QCOMPARE(dialog.members->item(0)->text(), QStringLiteral("Dias, Eva"));
    // Only active publishers in no household; the inactive Teo is not offered.
    QCOMPARE(dialog.candidates->count(), 1);
    QCOMPARE(dialog.candidates->item(0)->text(), QStringLiteral("Lopes, Rui"));

    auto button = [&](const QString& text) {
      for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == text) return b;
      return static_cast<QPushButton*>(nullptr);
    };
    dialog.candidates->setCurrentRow(0);
    QTest::mouseClick(button(QStringLiteral("Adicione um Membro")), Qt::LeftButton);
    QCOMPARE(dialog.members->count(), 2);
    QCOMPARE(dialog.candidates->count(), 0);
    QCOMPARE(doc.db().row(doc.db().FindRow(103)).household(), std::uint16_t{101});
    dialog.members->setCurrentRow(0);
    QTest::mouseClick(button(QStringLiteral("Apagar")), Qt::LeftButton);
    QCOMPARE(dialog.members->count(), 1);
    QCOMPARE(doc.db().row(doc.db().FindRow(102)).household(), std::uint16_t{0});

    // A member only looks: no candidates, no heading for them.
    records::HouseholdEditor view(doc.db(), 101, /*can_edit=*/false);
    records::ui::HouseholdDialog seen(view);
    seen.show();
    QVERIFY(LabelOf(&seen, seen.members)->isVisible());
    QVERIFY(!LabelOf(&seen, seen.candidates)->isVisible());
    QVERIFY(!seen.candidates->isVisible());
  }
};

QTEST_MAIN(PublisherEditingDialogsTest)
#include "publisher_editing_dialogs_test.moc"
