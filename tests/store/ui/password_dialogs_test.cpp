#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "store/ui/confidentiality_sweep_dialog.h"
#include "store/ui/password_dialogs.h"

using ledra::store::PasswordCheck;
using ledra::store::PasswordOutcome;
using ledra::store::ui::ConfidentialitySweepDialog;
using ledra::store::ui::PasswordChangeDialog;
using ledra::store::ui::PasswordCheckDialog;

class PasswordDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void CheckOpensAtTheLastCharacterTyped() {
    PasswordCheckDialog dialog("Segredo", PasswordCheck::Purpose::kOpening);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Necessita de Senha"));
    QCOMPARE(dialog.prompt()->text(), QStringLiteral("Entre a Senha"));
    QTest::keyClicks(dialog.edit(), QStringLiteral("Segred"));
    QVERIFY(dialog.isVisible());
    QTest::keyClick(dialog.edit(), Qt::Key_O, Qt::NoModifier);  // lower-case 'o'
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.outcome(), PasswordOutcome::kGranted);
  }

  void WrongOkWarnsThenTheNextKeyRefuses() {
    PasswordCheckDialog dialog("abc", PasswordCheck::Purpose::kBeforeChange);
    dialog.show();
    QCOMPARE(dialog.prompt()->text(), QStringLiteral("Entre a Senha Antiga"));
    QTest::keyClicks(dialog.edit(), QStringLiteral("xy"));
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.prompt()->text(), QString::fromUtf8("Senha inválida ..."));
    QTest::keyClicks(dialog.edit(), QStringLiteral("z"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.outcome(), PasswordOutcome::kRefused);
  }

  void EscapeRefuses() {
    PasswordCheckDialog dialog("abc", PasswordCheck::Purpose::kOpening);
    dialog.show();
    QTest::keyClick(dialog.edit(), Qt::Key_Escape);
    QCOMPARE(dialog.outcome(), PasswordOutcome::kRefused);
  }

  void ChangeAsksTwiceAndCutsTheFourteenthCharacter() {
    PasswordChangeDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Troca de Senha"));
    QTest::keyClicks(dialog.edit(), QStringLiteral("12345678901234"));
    QCOMPARE(dialog.edit()->text(), QString());
    QCOMPARE(dialog.prompt()->text(), QStringLiteral("1234567890123 novamente."));
    QTest::keyClicks(dialog.edit(), QStringLiteral("1234567890123"));
    QVERIFY(dialog.isVisible());
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.change().confirmed());
    QCOMPARE(dialog.change().new_password(), std::string("1234567890123"));
  }

  void ChangeWithDifferentTextsIsNotConfirmed() {
    PasswordChangeDialog dialog;
    dialog.show();
    QTest::keyClicks(dialog.edit(), QStringLiteral("um"));
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    QTest::keyClicks(dialog.edit(), QStringLiteral("dois"));
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.change().confirmed());
  }

  void SweepDialogKeepsTheUsersChoice() {
    ConfidentialitySweepDialog dialog({{"Janeiro.csv", true}, {"publist.xml", true}});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Aviso!!"));
    QCOMPARE(dialog.list()->count(), 2);
    QCOMPARE(dialog.list()->item(0)->checkState(), Qt::Checked);
    dialog.list()->item(1)->setCheckState(Qt::Unchecked);
    const auto chosen = dialog.candidates();
    QVERIFY(chosen[0].selected);
    QVERIFY(!chosen[1].selected);
  }
};

QTEST_MAIN(PasswordDialogsTest)
#include "password_dialogs_test.moc"
