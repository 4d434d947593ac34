// "Configuração de E-mail" bound to its rules, and the reminder button of
// the not-reported list.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "activity/ui/status_list_dialog.h"
#include "interchange/mail_settings_model.h"
#include "interchange/mail_test_doubles.h"
#include "interchange/ui/mail_settings_dialog.h"
#include "platform/ini_file.h"
#include "platform/prompter.h"
#include "support/temp_folder.h"

using ledra::interchange::ui::MailSettingsDialog;
namespace platform = ledra::platform;
namespace store = ledra::store;

class MailDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void SmtpFieldsFollowTheChoiceAndOkSaves() {
    ledra::TempFolder folder;
    ledra::test::MemoryKeyring keyring;
    ledra::ScriptedPrompter prompter;
    MailSettingsDialog dialog(folder.path(), "sec@example.org", keyring, prompter);
    QVERIFY(dialog.desktop()->isChecked());
    QVERIFY(!dialog.host()->isEnabled());
    QVERIFY(!dialog.password()->isEnabled());

    dialog.smtp()->setChecked(true);
    QVERIFY(dialog.host()->isEnabled());
    QCOMPARE(dialog.from()->text(), QString("sec@example.org"));
    QCOMPARE(dialog.port()->value(), 587);
    dialog.security()->setCurrentIndex(2);  // TLS
    QCOMPARE(dialog.port()->value(), 465);
    QVERIFY(!dialog.password()->isEnabled());  // no user yet
    dialog.user()->setText("sec");
    QVERIFY(dialog.password()->isEnabled());
    QCOMPARE(dialog.password()->echoMode(), QLineEdit::Password);

    // No server: OK is refused and the dialog stays.
    dialog.accept();
    QCOMPARE(prompter.shown.size(), std::size_t{1});
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    dialog.host()->setText(" smtp.example.org ");
    dialog.password()->setText("segredo");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const platform::MailSettings saved = ledra::interchange::LoadMailSettings(folder.path());
    QCOMPARE(saved.transport, platform::MailTransport::kSmtp);
    QCOMPARE(QString::fromStdString(saved.smtp.host), QString("smtp.example.org"));
    QCOMPARE(saved.smtp.port, 465);
    QCOMPARE(saved.smtp.security, platform::SmtpSecurity::kTls);
    QCOMPARE(QString::fromStdString(keyring.kept[{"smtp.example.org", "sec"}]), QString("segredo"));
  }

  void NoKeyringSaysThePasswordIsAsked() {
    ledra::TempFolder folder;
    ledra::WriteFixture(folder.path() / "ledra.ini",
                        "[Mail]\r\nTransport=smtp\r\nHost=h.example.org\r\nUser=u\r\n");
    ledra::test::MemoryKeyring keyring;
    keyring.available = false;
    ledra::ScriptedPrompter prompter;
    MailSettingsDialog dialog(folder.path(), "", keyring, prompter);
    QVERIFY(dialog.smtp()->isChecked());
    QVERIFY(!dialog.password()->isEnabled());
    QVERIFY(!dialog.note()->isHidden());
    QVERIFY(dialog.note()->text().startsWith("Sem chaveiro"));
  }

  void ReminderButtonOnlyWhereSomeoneHasAnAddress() {
    store::CongregationDatabase db;
    db.SetToday(2026, 12, 9);
    store::PublisherRecord p;
    p.set_id(101);
    p.SetText(store::field::kFname, "Ana");
    p.SetText(store::field::kLname, "Silva");
    p.set_list_type(store::ListType::kActive);
    p.set_extension_index(1);
    QVERIFY(db.AppendRow(p).ok());
    db.side.extensions.resize(2);
    db.side.extensions[1].set_u16(0, 101);
    db.side.extensions[1].set_text(67, 51, "ana@example.org");
    ledra::ScriptedPrompter prompter;
    db.CountAllLists();
    db.RebuildIndexes(prompter);

    ledra::activity::ui::StatusListDialog dialog(db, {},
                                                 ledra::activity::StatusListKind::kNotReported);
    QVERIFY(!dialog.mail_button()->isHidden());
    QVERIFY(dialog.mail_button()->isEnabled());
    std::optional<ledra::activity::StatusListChoice> asked;
    dialog.on_mail = [&](const ledra::activity::StatusListChoice& c) { asked = c; };
    dialog.second()->setCurrentIndex(3);
    dialog.mail_button()->click();
    QVERIFY(asked.has_value());
    QCOMPARE(asked->month_index, 3);

    db.side.extensions[1].set_text(67, 51, "sem-arroba");
    dialog.second()->setCurrentIndex(4);  // refills the list
    QVERIFY(!dialog.mail_button()->isEnabled());
    dialog.kinds()->setCurrentIndex(1);
    QVERIFY(dialog.mail_button()->isHidden());
  }
};

QTEST_MAIN(MailDialogsTest)
#include "mail_dialogs_test.moc"
