// The mail settings dialog's rules: what can be edited, what OK refuses,
// where the settings and the password go.

#include "interchange/mail_settings_model.h"

#include <gtest/gtest.h>

#include "interchange/mail_test_doubles.h"
#include "platform/ini_file.h"
#include "platform/string_ids.h"
#include "support/temp_folder.h"

namespace ledra::interchange {
namespace {

using platform::MailTransport;
using platform::SmtpSecurity;

platform::MailSettings Smtp() {
  platform::MailSettings s;
  s.transport = MailTransport::kSmtp;
  s.smtp = {"smtp.example.org", 587, SmtpSecurity::kStartTls, "sec", "sec@example.org"};
  return s;
}

TEST(MailSettingsModel, FieldsFollowTheTransportUserAndKeyring) {
  test::MemoryKeyring keyring;
  MailSettingsModel model({}, "", keyring);
  EXPECT_FALSE(model.SmtpEnabled());
  EXPECT_FALSE(model.PasswordEnabled());
  EXPECT_TRUE(model.Check().ok());  // the desktop program needs nothing
  model.set_transport(MailTransport::kSmtp);
  EXPECT_TRUE(model.SmtpEnabled());
  EXPECT_FALSE(model.PasswordEnabled());  // no user: no login
  model.set_user("sec");
  EXPECT_TRUE(model.PasswordEnabled());
  EXPECT_EQ(model.PasswordNote(), 0);
  keyring.available = false;
  MailSettingsModel without(Smtp(), "", keyring);
  EXPECT_FALSE(without.PasswordEnabled());
  EXPECT_EQ(without.PasswordNote(), str::kMailKeyringNone);
}

TEST(MailSettingsModel, StoredPasswordNoteOnlyForTheSameServerAndUser) {
  test::MemoryKeyring keyring;
  keyring.kept[{"smtp.example.org", "sec"}] = "x";
  MailSettingsModel model(Smtp(), "", keyring);
  EXPECT_EQ(model.PasswordNote(), str::kMailKeyringStored);
  model.set_user("other");
  EXPECT_EQ(model.PasswordNote(), 0);
}

TEST(MailSettingsModel, PortFollowsSecurityOnlyWhenUsual) {
  test::MemoryKeyring keyring;
  MailSettingsModel model(Smtp(), "", keyring);
  model.set_security(SmtpSecurity::kTls);
  EXPECT_EQ(model.settings().smtp.port, 465);
  model.set_security(SmtpSecurity::kNone);
  EXPECT_EQ(model.settings().smtp.port, 25);
  model.set_port(2525);
  model.set_security(SmtpSecurity::kStartTls);
  EXPECT_EQ(model.settings().smtp.port, 2525);
}

TEST(MailSettingsModel, SecretaryAddressStandsInForTheSender) {
  test::MemoryKeyring keyring;
  platform::MailSettings s = Smtp();
  s.smtp.from.clear();
  EXPECT_EQ(MailSettingsModel(s, "secret\xE1rio@example.org", keyring).settings().smtp.from,
            "secretário@example.org");
  EXPECT_EQ(MailSettingsModel(s, "nada", keyring).settings().smtp.from, "");
  EXPECT_EQ(MailSettingsModel(Smtp(), "x@y.org", keyring).settings().smtp.from, "sec@example.org");
}

TEST(MailSettingsModel, SaveRefusesBadSettingsAndKeepsPasswordOutOfTheFile) {
  TempFolder folder;
  WriteFixture(folder.path() / "ledra.ini", "[Sec]\r\nEmail=sec@example.org\r\n");
  test::MemoryKeyring keyring;
  MailSettingsModel model({}, "", keyring);
  model.set_transport(MailTransport::kSmtp);
  EXPECT_EQ(model.Save(folder.path()).error().id, str::kMailNeedHost);
  model.set_host("smtp.example.org");
  model.set_from("sec@example.org");
  model.set_user("sec");
  model.set_password("segredo");
  ASSERT_TRUE(model.Save(folder.path()).ok());

  const auto ini = platform::IniFile::Load(folder.path() / "ledra.ini");
  EXPECT_EQ(ini.GetString("Sec", "Email", ""), "sec@example.org");
  EXPECT_EQ(ini.Serialize().find("segredo"), std::string::npos);
  const auto back = LoadMailSettings(folder.path());
  EXPECT_EQ(back.transport, MailTransport::kSmtp);
  EXPECT_EQ(back.smtp.host, "smtp.example.org");
  EXPECT_EQ((keyring.kept[{"smtp.example.org", "sec"}]), "segredo");
  EXPECT_EQ(model.PasswordNote(), str::kMailKeyringStored);

  // An empty password keeps the one kept; a keyring failure is told, the
  // settings are saved all the same.
  model.set_password("");
  model.set_port(2525);
  ASSERT_TRUE(model.Save(folder.path()).ok());
  EXPECT_EQ((keyring.kept[{"smtp.example.org", "sec"}]), "segredo");
  keyring.fail_store = true;
  model.set_password("nova");
  model.set_port(2526);
  EXPECT_FALSE(model.Save(folder.path()).ok());
  EXPECT_EQ(LoadMailSettings(folder.path()).smtp.port, 2526);
}

}  // namespace
}  // namespace ledra::interchange
