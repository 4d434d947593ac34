// The SMTP sender against a real server on 127.0.0.1 (Python's aiosmtpd):
// what arrives, and how refusals and broken connections come back.

#include "platform/smtp_mail_sender.h"

#include <gtest/gtest.h>

#include "support/smtp_test_server.h"
#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

using test::SmtpServerOptions;
using test::SmtpTestServer;

#define SKIP_WITHOUT_SERVER()                                                \
  if (const std::string why = SmtpTestServer::Unavailable(); !why.empty()) { \
    GTEST_SKIP() << why;                                                     \
  }

SmtpServer Local(int port, std::string user = {}) {
  return {"127.0.0.1", port, SmtpSecurity::kNone, std::move(user), "secretaria@example.org"};
}

// Bytes no text encoding would carry through unharmed.
std::string AllBytes() {
  std::string bytes;
  for (int round = 0; round < 5; ++round)
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  bytes += "\r\n.\r\n.";  // a dot line, as the end of data looks
  return bytes;
}

std::string WithoutCr(std::string text) {
  std::erase(text, '\r');
  return text;
}

class SmtpSenderTest : public ::testing::Test {
 protected:
  TempFolder temp;
  std::filesystem::path inbox = temp.path() / "inbox";
  void SetUp() override { std::filesystem::create_directories(inbox); }
};

TEST_F(SmtpSenderTest, MessageArrivesWithSubjectBodyAndAttachment) {
  SKIP_WITHOUT_SERVER();
  SmtpTestServer server(inbox);
  ASSERT_GT(server.port(), 0);
  const std::string bytes = AllBytes();
  WriteFixture(temp.path() / "Grupo3.t09", bytes);

  MailRequest request;
  request.to = {"dirigente@example.org; assistente@example.org"};
  request.bcc = {"oculto@example.org"};
  request.subject = "Arquivo de Recolhimento - Março - Grupo 3";
  request.body = "O arquivo anexado pode ser aberto com Varo.\nLinha dois: ação.\n.\nfim";
  request.attachment = (temp.path() / "Grupo3.t09").string();
  request.sender_name = "LEDRA";
  SmtpMailSender sender(Local(server.port()), "");
  const MailResult result = sender.Send(request);
  ASSERT_EQ(result.outcome, MailOutcome::kSent) << result.detail;

  const auto messages = server.Messages();
  ASSERT_EQ(messages.size(), 1u);
  const auto& m = messages[0];
  EXPECT_EQ(m["mail_from"], "secretaria@example.org");
  EXPECT_EQ(m["rcpt_tos"], nlohmann::json::array({"dirigente@example.org", "assistente@example.org",
                                                  "oculto@example.org"}));
  EXPECT_EQ(m["subject"], request.subject);
  EXPECT_EQ(m["from"], "LEDRA <secretaria@example.org>");
  // The blind copy is delivered but named nowhere.
  EXPECT_EQ(m["to"], "dirigente@example.org, assistente@example.org");
  EXPECT_FALSE(m["has_bcc_header"].get<bool>());
  EXPECT_EQ(m["reply_to"], "");
  EXPECT_EQ(WithoutCr(m["body"]), request.body);
  ASSERT_EQ(m["attachments"].size(), 1u);
  EXPECT_EQ(m["attachments"][0]["filename"], "Grupo3.t09");
  EXPECT_EQ(test::FromHex(m["attachments"][0]["hex"]), bytes);
}

TEST_F(SmtpSenderTest, LongTextsNamesAndOnlyBlindCopies) {
  SKIP_WITHOUT_SERVER();
  SmtpTestServer server(inbox);
  ASSERT_GT(server.port(), 0);
  WriteFixture(temp.path() / "a.bin", "x");

  MailRequest request;
  request.bcc = {"um@example.org", "dois@example.org"};
  // Longer than one encoded word, with characters of two and three bytes,
  // and a line break that must not start a header of its own.
  request.subject =
      "Não Relataram Março — lembrete às famílias, ação conjunta €€€ çãõé\nBcc: x@y.z";
  request.body = "Envie seu relatório para Março. Obrigado.";
  request.attachment = (temp.path() / "a.bin").string();
  request.attachment_name = "Relatório \"Março\".t09";
  request.sender_name = "secretario@example.org";
  SmtpMailSender sender(Local(server.port()), "");
  const MailResult result = sender.Send(request);
  ASSERT_EQ(result.outcome, MailOutcome::kSent) << result.detail;

  const auto messages = server.Messages();
  ASSERT_EQ(messages.size(), 1u);
  const auto& m = messages[0];
  std::string subject = request.subject;
  subject[subject.find('\n')] = ' ';
  EXPECT_EQ(m["subject"], subject);
  EXPECT_FALSE(m["has_bcc_header"].get<bool>());
  EXPECT_EQ(m["rcpt_tos"].size(), 2u);
  EXPECT_EQ(m["to"], "undisclosed-recipients:;");
  EXPECT_EQ(m["reply_to"], "secretario@example.org");
  EXPECT_EQ(m["attachments"][0]["filename"], request.attachment_name);
}

TEST_F(SmtpSenderTest, RefusedRecipientFailsWithTheServersReply) {
  SKIP_WITHOUT_SERVER();
  SmtpTestServer server(inbox);
  ASSERT_GT(server.port(), 0);
  MailRequest request;
  request.to = {"ok@example.org;refused@example.org"};
  request.subject = "s";
  SmtpMailSender sender(Local(server.port()), "");
  const MailResult result = sender.Send(request);
  EXPECT_EQ(result.outcome, MailOutcome::kFailed);
  EXPECT_NE(result.detail.find("550 5.1.1 <refused@example.org>: Recipient address rejected"),
            std::string::npos)
      << result.detail;
  EXPECT_TRUE(server.Messages().empty());
}

TEST_F(SmtpSenderTest, DroppedConnectionFails) {
  SKIP_WITHOUT_SERVER();
  SmtpServerOptions options;
  options.drop_after_mail_from = true;
  SmtpTestServer server(inbox, options);
  ASSERT_GT(server.port(), 0);
  MailRequest request;
  request.to = {"ok@example.org"};
  SmtpMailSender sender(Local(server.port()), "");
  const MailResult result = sender.Send(request);
  EXPECT_EQ(result.outcome, MailOutcome::kFailed);
  EXPECT_FALSE(result.detail.empty());
  EXPECT_TRUE(server.Messages().empty());
}

TEST_F(SmtpSenderTest, NoServerListeningFails) {
  MailRequest request;
  request.to = {"ok@example.org"};
  SmtpMailSender sender(Local(test::UnusedPort()), "");
  const MailResult result = sender.Send(request);
  EXPECT_EQ(result.outcome, MailOutcome::kFailed);
  EXPECT_FALSE(result.detail.empty());
}

TEST_F(SmtpSenderTest, LoginWithTheRightPasswordOnly) {
  SKIP_WITHOUT_SERVER();
  SmtpServerOptions options;
  options.user = "secretario";
  options.password = "s3gredo çá";
  SmtpTestServer server(inbox, options);
  ASSERT_GT(server.port(), 0);
  MailRequest request;
  request.to = {"ok@example.org"};
  request.subject = "login";

  SmtpMailSender wrong(Local(server.port(), "secretario"), "errada");
  const MailResult refused = wrong.Send(request);
  EXPECT_EQ(refused.outcome, MailOutcome::kFailed);
  EXPECT_NE(refused.detail.find("535"), std::string::npos) << refused.detail;

  SmtpMailSender right(Local(server.port(), "secretario"), "s3gredo çá");
  const MailResult sent = right.Send(request);
  EXPECT_EQ(sent.outcome, MailOutcome::kSent) << sent.detail;
  EXPECT_EQ(server.Messages().size(), 1u);
}

TEST_F(SmtpSenderTest, StartTlsAndTlsWithACertificateThatIsTrusted) {
  SKIP_WITHOUT_SERVER();
  std::filesystem::path cert, key;
  if (!test::TestCertificate(temp.path(), cert, key)) GTEST_SKIP() << "no openssl";
  MailRequest request;
  request.to = {"ok@example.org"};
  request.subject = "tls";
  for (const SmtpSecurity security : {SmtpSecurity::kStartTls, SmtpSecurity::kTls}) {
    SmtpServerOptions options;
    options.tls = security == SmtpSecurity::kTls ? "tls" : "starttls";
    options.cert = cert.string();
    options.key = key.string();
    SmtpTestServer server(inbox, options);
    ASSERT_GT(server.port(), 0);
    SmtpServer settings = Local(server.port());
    settings.security = security;
    // A certificate nobody vouches for is refused: the password would go to
    // whoever sits in between.
    const MailResult untrusted = SmtpMailSender(settings, "").Send(request);
    EXPECT_EQ(untrusted.outcome, MailOutcome::kFailed) << options.tls;
    EXPECT_FALSE(untrusted.detail.empty());
    SmtpLimits limits;
    limits.ca_file = cert.string();
    const MailResult sent = SmtpMailSender(settings, "", limits).Send(request);
    EXPECT_EQ(sent.outcome, MailOutcome::kSent) << options.tls << ": " << sent.detail;
    std::filesystem::remove(inbox / "1.json");
  }
}

TEST_F(SmtpSenderTest, PlainSenderRefusedByAServerThatWantsStartTls) {
  SKIP_WITHOUT_SERVER();
  std::filesystem::path cert, key;
  if (!test::TestCertificate(temp.path(), cert, key)) GTEST_SKIP() << "no openssl";
  SmtpServerOptions options;
  options.tls = "starttls";
  options.cert = cert.string();
  options.key = key.string();
  SmtpTestServer server(inbox, options);
  ASSERT_GT(server.port(), 0);
  MailRequest request;
  request.to = {"ok@example.org"};
  const MailResult result = SmtpMailSender(Local(server.port()), "").Send(request);
  EXPECT_EQ(result.outcome, MailOutcome::kFailed);
  EXPECT_NE(result.detail.find("530"), std::string::npos) << result.detail;
}

TEST_F(SmtpSenderTest, BadInputFailsBeforeConnecting) {
  // Nothing listens on the port: each failure must come from the check.
  SmtpMailSender sender(Local(test::UnusedPort()), "");
  MailRequest request;
  request.to = {"ok@example.org"};
  request.attachment = (temp.path() / "missing.t09").string();
  MailResult r = sender.Send(request);
  EXPECT_EQ(r.outcome, MailOutcome::kFailed);
  EXPECT_NE(r.detail.find("missing.t09"), std::string::npos) << r.detail;

  for (const std::string to : {"", " ; ", "sem-arroba", "-x@example.org", "a b@example.org",
                               "a@example.org\r\nRCPT TO:<b@example.org>"}) {
    request = {};
    request.to = {to};
    r = sender.Send(request);
    EXPECT_EQ(r.outcome, MailOutcome::kFailed) << to;
    EXPECT_EQ(r.detail.find("onnect"), std::string::npos) << r.detail;
  }

  SmtpServer no_sender = Local(test::UnusedPort());
  no_sender.from.clear();
  request = {};
  request.to = {"ok@example.org"};
  EXPECT_EQ(SmtpMailSender(no_sender, "").Send(request).outcome, MailOutcome::kFailed);
}

}  // namespace
}  // namespace ledra::platform
