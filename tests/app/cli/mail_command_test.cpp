// ledra-cli mail against a real SMTP server on 127.0.0.1: the data folder's
// stored settings, the options in their place, and the answers.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <nlohmann/json.hpp>

#include "support/cli_run.h"
#include "support/smtp_test_server.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;
using test::SmtpTestServer;

#define SKIP_WITHOUT_SERVER()                                                \
  if (const std::string why = SmtpTestServer::Unavailable(); !why.empty()) { \
    GTEST_SKIP() << why;                                                     \
  }

class MailCommand : public ::testing::Test {
 protected:
  TempFolder folder;
  std::filesystem::path inbox = folder.path() / "inbox";
  void SetUp() override { std::filesystem::create_directories(inbox); }
  void StoreSettings(int port, std::string_view user = "") {
    WriteFixture(folder.path() / "ledra.ini",
                 "[Sec]\r\nEmail=sec@example.org\r\n[Mail]\r\nTransport=smtp\r\nHost=127.0.0.1\r\n"
                 "Port=" +
                     std::to_string(port) + "\r\nSecurity=none\r\nUser=" + std::string(user) +
                     "\r\nFrom=secretaria@example.org\r\n");
  }
  CliRun Mail(std::vector<std::string> args) {
    args.insert(args.begin(), {"mail", "--data", folder.path().string()});
    return RunWith(std::move(args));
  }
};

TEST_F(MailCommand, SendsThroughTheStoredServer) {
  SKIP_WITHOUT_SERVER();
  SmtpTestServer server(inbox);
  ASSERT_GT(server.port(), 0);
  StoreSettings(server.port());
  WriteFixture(folder.path() / "Grupo1.t09", std::string("\x00\x01\xFF t09", 7));

  const CliRun run = Mail({"--to", "dirigente@example.org", "--subject", "Arquivo de Recolhimento",
                           "--body", "Olá", "--attach", (folder.path() / "Grupo1.t09").string()});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(json::parse(run.out), (json{{"outcome", "sent"}, {"detail", ""}}));
  const auto messages = server.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0]["from"], "LEDRA <secretaria@example.org>");
  EXPECT_EQ(messages[0]["subject"], "Arquivo de Recolhimento");
  EXPECT_EQ(test::FromHex(messages[0]["attachments"][0]["hex"]),
            std::string("\x00\x01\xFF t09", 7));
}

TEST_F(MailCommand, RefusedRecipientFailsWithExitOne) {
  SKIP_WITHOUT_SERVER();
  SmtpTestServer server(inbox);
  ASSERT_GT(server.port(), 0);
  // Nothing stored: the options name the whole server.
  const CliRun run = Mail({"--to", "refused@example.org", "--subject", "s", "--body", "b",
                           "--smtp-host", "127.0.0.1", "--smtp-port", std::to_string(server.port()),
                           "--security", "none", "--from", "secretaria@example.org"});
  EXPECT_EQ(run.code, 1);
  const json out = json::parse(run.out);
  EXPECT_EQ(out["outcome"], "failed");
  EXPECT_NE(out["detail"].get<std::string>().find("550"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("Send Mail failed to send message."), std::string::npos);
  EXPECT_NE(run.err.find("Recipient address rejected"), std::string::npos) << run.err;
}

TEST_F(MailCommand, PasswordFromTheEnvironment) {
  SKIP_WITHOUT_SERVER();
  test::SmtpServerOptions options;
  options.user = "secretario";
  options.password = "certa";
  SmtpTestServer server(inbox, options);
  ASSERT_GT(server.port(), 0);
  StoreSettings(server.port(), "secretario");
  ::setenv("LEDRA_SMTP_PASSWORD", "certa", 1);
  const CliRun run = Mail({"--to", "a@example.org", "--subject", "s", "--body", "b"});
  ::unsetenv("LEDRA_SMTP_PASSWORD");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(server.Messages().size(), 1u);
}

TEST_F(MailCommand, BadOptionsAndMissingSettingsAreRefused) {
  const int unused = test::UnusedPort();
  // An unknown security, a port out of range, a server without a sender.
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"--security", "ssl3"},
        {"--smtp-host", "127.0.0.1", "--smtp-port", "70000"},
        {"--smtp-host", "127.0.0.1", "--smtp-port", std::to_string(unused)},
        {"--transport", "pigeon"}}) {
    std::vector<std::string> args = {"--to", "a@example.org", "--subject", "s", "--body", "b"};
    args.insert(args.end(), options.begin(), options.end());
    const CliRun run = Mail(args);
    EXPECT_EQ(run.code, 2) << options.back() << run.out;
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
}

TEST_F(MailCommand, NoServerFailsWithExitOne) {
  StoreSettings(test::UnusedPort());
  const CliRun run = Mail({"--to", "a@example.org", "--subject", "s", "--body", "b"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(json::parse(run.out)["outcome"], "failed");
}

}  // namespace
}  // namespace ledra::cli
