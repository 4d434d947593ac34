// The desktop sender: the xdg-email command line, and a stand-in program
// started for real to see the arguments arrive whole and the exit status read.

#include "platform/desktop_mail_sender.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

MailRequest Request() {
  MailRequest r;
  r.to = {"dirigente@example.org;assistente@example.org"};
  r.subject = "Não Relataram Março";
  r.body = "Envie seu relatório.\n$(touch x) `y` \"z\" 'w'";
  r.attachment = "/tmp/Grupo 3.t09";
  return r;
}

TEST(DesktopMailSender, Arguments) {
  MailRequest r = Request();
  r.bcc = {"oculto@example.org"};
  const auto recipients = RecipientsOf(r);
  ASSERT_TRUE(recipients.ok());
  EXPECT_EQ(
      XdgEmailArguments(r, *recipients),
      (std::vector<std::string>{"xdg-email", "--utf8", "--subject", r.subject, "--body", r.body,
                                "--attach", r.attachment, "--bcc", "oculto@example.org",
                                "dirigente@example.org", "assistente@example.org"}));
  r.subject.clear();
  r.body.clear();
  r.attachment.clear();
  r.bcc.clear();
  EXPECT_EQ(XdgEmailArguments(r, *RecipientsOf(r)),
            (std::vector<std::string>{"xdg-email", "--utf8", "dirigente@example.org",
                                      "assistente@example.org"}));
}

class DesktopMailProgram : public ::testing::Test {
 protected:
  TempFolder temp;
  // A stand-in that writes each argument on a line of its own and exits with `code`.
  std::string StandIn(int code) {
    const auto script = temp.path() / "fake-xdg-email";
    WriteFixture(script, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n---\\n' \"$a\"; done > \"" +
                             (temp.path() / "args").string() + "\"\nexit " + std::to_string(code) +
                             "\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script.string();
  }
  std::string Received() {
    std::ifstream in(temp.path() / "args");
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

TEST_F(DesktopMailProgram, HandedOverWithoutAShell) {
  MailRequest r = Request();
  WriteFixture(temp.path() / "Grupo 3.t09", "x");
  r.attachment = (temp.path() / "Grupo 3.t09").string();
  DesktopMailSender sender(StandIn(0));
  const MailResult result = sender.Send(r);
  EXPECT_EQ(result.outcome, MailOutcome::kSent) << result.detail;
  std::string expected;
  for (const std::string& a :
       {std::string("--utf8"), std::string("--subject"), r.subject, std::string("--body"), r.body,
        std::string("--attach"), r.attachment, std::string("dirigente@example.org"),
        std::string("assistente@example.org")})
    expected += a + "\n---\n";
  EXPECT_EQ(Received(), expected);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::current_path() / "x"));
}

TEST_F(DesktopMailProgram, FailuresAreReported) {
  MailRequest r = Request();
  r.attachment.clear();
  MailResult result = DesktopMailSender(StandIn(3)).Send(r);
  EXPECT_EQ(result.outcome, MailOutcome::kFailed);
  EXPECT_NE(result.detail.find("3"), std::string::npos) << result.detail;

  result = DesktopMailSender((temp.path() / "no-such-program").string()).Send(r);
  EXPECT_EQ(result.outcome, MailOutcome::kFailed);
  EXPECT_NE(result.detail.find("xdg-utils"), std::string::npos) << result.detail;

  // A missing attachment or an address that looks like an option: the
  // program is not even started.
  std::filesystem::remove(temp.path() / "args");
  r.attachment = (temp.path() / "missing.t09").string();
  EXPECT_EQ(DesktopMailSender(StandIn(0)).Send(r).outcome, MailOutcome::kFailed);
  r.attachment.clear();
  r.to = {"--attach=/etc/passwd"};
  EXPECT_EQ(DesktopMailSender(StandIn(0)).Send(r).outcome, MailOutcome::kFailed);
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "args"));
}

}  // namespace
}  // namespace ledra::platform
