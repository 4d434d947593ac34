// Sending the way the windows do: settings checked, the password from the
// keyring or asked for, what is shown for each outcome.

#include "interchange/mail_dispatch.h"

#include <gtest/gtest.h>

#include "interchange/mail_test_doubles.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {
namespace {

using platform::MailOutcome;

class MailDispatchTest : public ::testing::Test {
 protected:
  test::MemoryKeyring keyring;
  ScriptedPrompter prompter;
  std::vector<platform::MailRequest> sent;
  std::vector<std::string> passwords_used;
  std::vector<std::string> prompts;
  std::optional<std::string> typed = "digitada";
  std::vector<bool> sending;
  platform::MailResult answer{MailOutcome::kSent, {}};
  MailDispatch dispatch{keyring, prompter, nullptr, nullptr};
  platform::MailRequest request;

  void SetUp() override {
    request.to = {"a@example.org"};
    dispatch.ask_password = [this](std::string_view prompt) {
      prompts.emplace_back(prompt);
      return typed;
    };
    dispatch.on_sending = [this](bool on) { sending.push_back(on); };
    dispatch.make_sender = [this](const platform::MailSettings&, std::string password) {
      passwords_used.push_back(password);
      return std::make_unique<test::RecordingSender>(answer, &sent);
    };
  }
  static platform::MailSettings Smtp(std::string user = "sec") {
    platform::MailSettings s;
    s.transport = platform::MailTransport::kSmtp;
    s.smtp = {"smtp.example.org", 587, platform::SmtpSecurity::kStartTls, std::move(user),
              "sec@example.org"};
    return s;
  }
};

TEST_F(MailDispatchTest, DesktopSendsWithoutPasswordAndShowsNothing) {
  const auto result = DispatchMail({}, request, dispatch);
  EXPECT_EQ(result.outcome, MailOutcome::kSent);
  EXPECT_EQ(sent.size(), 1u);
  EXPECT_TRUE(prompts.empty());
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(sending, (std::vector<bool>{true, false}));
}

TEST_F(MailDispatchTest, PasswordFromTheKeyringIsNotAsked) {
  keyring.kept[{"smtp.example.org", "sec"}] = "guardada";
  EXPECT_EQ(DispatchMail(Smtp(), request, dispatch).outcome, MailOutcome::kSent);
  EXPECT_TRUE(prompts.empty());
  EXPECT_EQ(passwords_used, (std::vector<std::string>{"guardada"}));
}

TEST_F(MailDispatchTest, AskedPasswordIsKeptOnlyAfterTheServerTookIt) {
  answer = {MailOutcome::kFailed, "535 5.7.8 Authentication credentials invalid"};
  EXPECT_EQ(DispatchMail(Smtp(), request, dispatch).outcome, MailOutcome::kFailed);
  EXPECT_TRUE(keyring.kept.empty());
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0], Strings().Format(str::kMailPasswordPrompt, {"sec", "smtp.example.org"}));

  answer = {MailOutcome::kSent, {}};
  EXPECT_EQ(DispatchMail(Smtp(), request, dispatch).outcome, MailOutcome::kSent);
  EXPECT_EQ((keyring.kept[{"smtp.example.org", "sec"}]), "digitada");
}

TEST_F(MailDispatchTest, NoKeyringAsksEveryTime) {
  keyring.available = false;
  (void)DispatchMail(Smtp(), request, dispatch);
  (void)DispatchMail(Smtp(), request, dispatch);
  EXPECT_EQ(prompts.size(), 2u);
  EXPECT_EQ(sent.size(), 2u);
}

TEST_F(MailDispatchTest, CancelledPasswordSendsNothingAndShowsNothing) {
  typed.reset();
  const auto result = DispatchMail(Smtp(), request, dispatch);
  EXPECT_EQ(result.outcome, MailOutcome::kCancelled);
  EXPECT_TRUE(sent.empty());
  EXPECT_TRUE(sending.empty());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MailDispatchTest, FailureShowsTheFixedLineWithTheServersWords) {
  answer = {MailOutcome::kFailed, "550 5.1.1 <x@example.org>: Recipient address rejected"};
  keyring.kept[{"smtp.example.org", "sec"}] = "guardada";
  const auto result = DispatchMail(Smtp(), request, dispatch);
  EXPECT_EQ(result.outcome, MailOutcome::kFailed);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0],
            "Send Mail failed to send message.\n\n550 5.1.1 <x@example.org>: Recipient address "
            "rejected");
  EXPECT_EQ(sending, (std::vector<bool>{true, false}));
}

TEST_F(MailDispatchTest, UnusableSettingsFailBeforeAnything) {
  platform::MailSettings s = Smtp();
  s.smtp.host.clear();
  const auto result = DispatchMail(s, request, dispatch);
  EXPECT_EQ(result.outcome, MailOutcome::kFailed);
  EXPECT_TRUE(sent.empty());
  EXPECT_TRUE(prompts.empty());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_TRUE(prompter.shown[0].starts_with("Send Mail failed to send message.\n\n"));
  EXPECT_NE(prompter.shown[0].find(Strings().Get(str::kMailNeedHost)), std::string::npos);
}

}  // namespace
}  // namespace ledra::interchange
