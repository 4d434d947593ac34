#include "records/ui/student_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
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
#include "records/ui/publisher_chooser_dialog.h"
#include "store/document.h"
#include "store/settings.h"

using namespace ledra;

class StudentDialogsTest : public QObject {
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
                              test::PersonRecord(23, 2000, "Bia", "Costa", 2);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();
    auto doc = std::make_unique<store::Document>(std::filesystem::path(dir_.path().toStdString()),
                                                 clock_, prompter_);
    if (doc->Open({}) != store::OpenOutcome::kOpened) return nullptr;
    return doc;
  }

 private slots:
  void AddsAStudentThroughTheReducedEditorWithAConductor() {
    auto doc = Open();
    QVERIFY(doc);
    records::ui::StudentListDialog list(*doc, settings_, prompter_);
    QCOMPARE(list.list->count(), 1);
    bool typed = false;
    QTimer::singleShot(0, this, [&] {
      auto* ed = qobject_cast<records::ui::StudentEditorDialog*>(QApplication::activeModalWidget());
      QVERIFY(ed);
      struct CloseOnFailure {
        QDialog* d;
        ~CloseOnFailure() {
          if (d->isVisible()) d->reject();
        }
      } guard{ed};
      QCOMPARE(ed->windowTitle(), QString::fromUtf8("Editar estudante da Bíblia"));
      QVERIFY(ed->anointed->isHidden());
      QVERIFY(ed->status->isHidden());
      QVERIFY(ed->privileges->isHidden());
      QVERIFY(ed->boxes[records::Box::kElder]->isHidden());
      QVERIFY(!ed->first->isHidden());
      QVERIFY(ed->drop_conductor->isHidden());
      QTimer::singleShot(0, this, [&] {
        auto* chooser =
            qobject_cast<records::ui::PublisherChooserDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        chooser->accept_button->click();
      });
      ed->pick_conductor->click();
      QCOMPARE(ed->conductor->text(),
               QString::fromUtf8("Dirigente de estudo bíblico: Borges, Ana"));
      QVERIFY(!ed->drop_conductor->isHidden());
      ed->first->setText(QStringLiteral("Rita"));
      emit ed->first->textEdited(ed->first->text());
      ed->last->setText(QStringLiteral("L"));
      emit ed->last->textEdited(ed->last->text());
      ed->ok->click();
      QVERIFY2(ed->isVisible(), "a one-letter surname is not saved");
      ed->last->setText(QStringLiteral("Lopes"));
      emit ed->last->textEdited(ed->last->text());
      typed = true;
      ed->ok->click();
    });
    list.add->click();
    QVERIFY(typed);
    QCOMPARE(list.list->count(), 2);
    QCOMPARE(list.list->item(1)->text(), QStringLiteral("Lopes, Rita\t( Borges, Ana )"));
    QCOMPARE(list.list->currentRow(), 1);
    QVERIFY(list.changed());
    QCOMPARE(doc->db().row(doc->db().FindRow(2001)).raw_list_type(), std::uint8_t{2});
  }

  void DeletingAsksFirst() {
    auto doc = Open();
    QVERIFY(doc);
    records::ui::StudentListDialog list(*doc, settings_, prompter_);
    prompter_.answers = {Answer::kCancel};
    list.remove->click();
    QCOMPARE(prompter_.shown.back(), std::string("Quer mesmo apagar Costa, Bia?"));
    QCOMPARE(list.list->count(), 1);
    prompter_.answers = {Answer::kOk};
    list.remove->click();
    QCOMPARE(list.list->count(), 0);
    QVERIFY(!list.edit->isEnabled());
  }
};

QTEST_MAIN(StudentDialogsTest)
#include "student_dialogs_test.moc"
