// The mail settings in the section "Mail": defaults, round trip, the words of
// the file, the checks, and the sender they make.

#include "platform/mail_settings.h"

#include <gtest/gtest.h>

#include "platform/desktop_mail_sender.h"

namespace ledra::platform {
namespace {

TEST(MailSettings, DefaultsFromAnEmptyOrDamagedFile) {
  MailSettings s = ReadMailSettings(IniFile::Parse(""));
  EXPECT_EQ(s.transport, MailTransport::kDesktop);
  EXPECT_EQ(s.smtp.security, SmtpSecurity::kStartTls);
  EXPECT_EQ(s.smtp.port, 587);
  s = ReadMailSettings(IniFile::Parse("[Mail]\r\nTransport=pigeon\r\nSecurity=TLS\r\n"));
  EXPECT_EQ(s.transport, MailTransport::kDesktop);
  EXPECT_EQ(s.smtp.security, SmtpSecurity::kTls);
  EXPECT_EQ(s.smtp.port, 465);  // no port stored: the security's own
}

TEST(MailSettings, RoundTripKeepsOtherSections) {
  IniFile ini = IniFile::Parse("[Sec]\r\nEmail=sec@example.org\r\n");
  MailSettings s;
  s.transport = MailTransport::kSmtp;
  s.smtp = {"smtp.example.org", 2525, SmtpSecurity::kNone, "joão", "sec@example.org"};
  WriteMailSettings(s, ini);
  EXPECT_EQ(ini.GetString("Sec", "Email", ""), "sec@example.org");
  EXPECT_EQ(ini.GetString("Mail", "Security", ""), "none");
  EXPECT_EQ(ini.GetString("Mail", "User", ""), "jo\xE3o");  // ANSI in the file
  const MailSettings back = ReadMailSettings(IniFile::Parse(ini.Serialize()));
  EXPECT_EQ(back.transport, MailTransport::kSmtp);
  EXPECT_EQ(back.smtp.host, "smtp.example.org");
  EXPECT_EQ(back.smtp.port, 2525);
  EXPECT_EQ(back.smtp.security, SmtpSecurity::kNone);
  EXPECT_EQ(back.smtp.user, "joão");
  EXPECT_EQ(back.smtp.from, "sec@example.org");
  EXPECT_EQ(ini.Serialize().find("assword"), std::string::npos);
}

TEST(MailSettings, ChecksOnlyWhatSmtpNeeds) {
  MailSettings s;
  EXPECT_TRUE(CheckMailSettings(s).ok());  // the desktop program needs nothing
  EXPECT_FALSE(NeedsPassword(s));
  s.transport = MailTransport::kSmtp;
  s.smtp = {"smtp.example.org", 587, SmtpSecurity::kStartTls, "", "sec@example.org"};
  EXPECT_TRUE(CheckMailSettings(s).ok());
  EXPECT_FALSE(NeedsPassword(s));
  s.smtp.user = "sec";
  EXPECT_TRUE(NeedsPassword(s));
  for (const auto& [host, port, from] :
       {std::tuple<std::string, int, std::string>{"", 587, "sec@example.org"},
        {"smtp example.org", 587, "sec@example.org"},
        {"smtp://example.org", 587, "sec@example.org"},
        {"smtp.example.org", 0, "sec@example.org"},
        {"smtp.example.org", 65536, "sec@example.org"},
        {"smtp.example.org", 587, ""},
        {"smtp.example.org", 587, "sec"}}) {
    MailSettings bad = s;
    bad.smtp.host = host;
    bad.smtp.port = port;
    bad.smtp.from = from;
    EXPECT_FALSE(CheckMailSettings(bad).ok()) << host << " " << port << " " << from;
  }
}

TEST(MailSettings, SenderOfTheTransport) {
  MailSettings s;
  EXPECT_NE(dynamic_cast<DesktopMailSender*>(MakeMailSender(s, "").get()), nullptr);
  s.transport = MailTransport::kSmtp;
  EXPECT_NE(dynamic_cast<SmtpMailSender*>(MakeMailSender(s, "x").get()), nullptr);
}

}  // namespace
}  // namespace ledra::platform
