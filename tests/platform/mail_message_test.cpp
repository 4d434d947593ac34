// The message bytes and the recipients: base64, encoded words within their
// limits, no way for a text to open a header of its own, the Bcc kept out.

#include "platform/mail_message.h"

#include <gtest/gtest.h>

#include "platform/mail_addresses.h"

namespace ledra::platform {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return lines;
}

TEST(MailMessage, Base64KnownValuesAndLines) {
  EXPECT_EQ(Base64(""), "");
  EXPECT_EQ(Base64("f"), "Zg==");
  EXPECT_EQ(Base64("fo"), "Zm8=");
  EXPECT_EQ(Base64("foo"), "Zm9v");
  EXPECT_EQ(Base64("foobar"), "Zm9vYmFy");
  EXPECT_EQ(Base64(std::string("\xFF\xFE\x00", 3)), "//4A");
  const std::string wrapped = Base64(std::string(100, 'a'));
  const auto lines = Lines(wrapped);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 76u);
  EXPECT_EQ(lines[0].size() + lines[1].size(), 136u);
}

TEST(MailMessage, HeaderTextPlainOrEncodedWords) {
  EXPECT_EQ(HeaderText("Arquivo de Recolhimento - Grupo 3"), "Arquivo de Recolhimento - Grupo 3");
  EXPECT_EQ(HeaderText("Não"), "=?UTF-8?B?TsOjbw==?=");
  // A line break becomes a blank, so nothing can be appended as a header.
  EXPECT_EQ(HeaderText("a\r\nBcc: x@y.z"), "a  Bcc: x@y.z");
  // A text that only looks like an encoded word is encoded itself.
  EXPECT_TRUE(HeaderText("=?UTF-8?B?eA==?=").starts_with("=?UTF-8?B?PT9"));
  // Long text: words of at most 75 characters, no character split.
  std::string long_text;
  for (int i = 0; i < 40; ++i) long_text += "çã€";
  const std::string encoded = HeaderText(long_text);
  std::string decoded_bytes;
  for (const std::string& line : Lines(encoded)) {
    const std::string word = line.starts_with(" ") ? line.substr(1) : line;
    EXPECT_LE(word.size(), 75u);
    ASSERT_TRUE(word.starts_with("=?UTF-8?B?") && word.ends_with("?="));
    EXPECT_EQ(word.size() % 4, 0u) << word;  // whole groups: each word decodes alone
  }
}

TEST(MailMessage, DateInEnglishAndUtc) {
  EXPECT_EQ(MailDate(0), "Thu, 01 Jan 1970 00:00:00 +0000");
  EXPECT_EQ(MailDate(1712048700), "Tue, 02 Apr 2024 09:05:00 +0000");
}

TEST(MailMessage, HeadersAndOnePart) {
  MailRequest request;
  request.subject = "S";
  request.body = "a\nb";
  request.sender_name = "Sec \"X\"\r\nBcc: evil@example.org";
  const MailRecipients recipients{{"a@example.org", "b@example.org"}, {"hidden@example.org"}};
  MessageFrame frame{"from@example.org", 0, "id@example.org", "=_b"};
  const std::string m = BuildMessage(request, recipients, std::nullopt, frame);
  const auto lines = Lines(m);
  EXPECT_EQ(lines[0], "Date: Thu, 01 Jan 1970 00:00:00 +0000");
  EXPECT_EQ(lines[1], "From: \"Sec \\\"X\\\"  Bcc: evil@example.org\" <from@example.org>");
  EXPECT_EQ(lines[2], "To: <a@example.org>,");
  EXPECT_EQ(lines[3], " <b@example.org>");
  EXPECT_EQ(m.find("hidden"), std::string::npos);
  EXPECT_EQ(m.find("\nBcc"), std::string::npos);
  EXPECT_NE(m.find("Message-ID: <id@example.org>\r\n"), std::string::npos);
  EXPECT_EQ(m.find("multipart"), std::string::npos);
  // The body in canonical form: CRLF line ends.
  EXPECT_TRUE(m.ends_with("\r\n\r\n" + Base64("a\r\nb") + "\r\n")) << m;
  for (const std::string& line : lines) EXPECT_LE(line.size(), 78u) << line;
}

TEST(MailMessage, AttachmentPartAndFileNames) {
  MailRequest request;
  request.to = {"a@example.org"};
  const MailRecipients recipients{{"a@example.org"}, {}};
  MessageFrame frame{"from@example.org", 0, "id@x", "=_b"};
  std::string m = BuildMessage(request, recipients, MailAttachment{"Grupo3.t09", "abc"}, frame);
  EXPECT_NE(m.find("Content-Type: multipart/mixed; boundary=\"=_b\"\r\n"), std::string::npos);
  EXPECT_NE(m.find("Content-Disposition: attachment; filename=\"Grupo3.t09\"\r\n"),
            std::string::npos);
  EXPECT_NE(m.find("\r\n\r\nYWJj\r\n--=_b--\r\n"), std::string::npos) << m;
  m = BuildMessage(request, recipients, MailAttachment{"Relatório.t09", "abc"}, frame);
  EXPECT_NE(m.find("filename*=UTF-8''Relat%C3%B3rio.t09\r\n"), std::string::npos) << m;
}

TEST(MailMessage, FreshFramesDiffer) {
  const MessageFrame a = NewMessageFrame("sec@example.org");
  const MessageFrame b = NewMessageFrame("sec@example.org");
  EXPECT_NE(a.message_id, b.message_id);
  EXPECT_TRUE(a.message_id.ends_with("@example.org"));
  EXPECT_NE(a.boundary, b.boundary);
}

TEST(MailAddresses, SplitTrimAndCheck) {
  const std::vector<std::string> entries = {" a@example.org ; b@example.org;", ";;",
                                            "c@example.org"};
  EXPECT_EQ(SplitAddresses(entries),
            (std::vector<std::string>{"a@example.org", "b@example.org", "c@example.org"}));
  for (const char* good : {"a@example.org", "o'neil@example.org", "joão@exemplo.pt", "a+b@x.co"})
    EXPECT_TRUE(UsableAddress(good)) << good;
  for (const char* bad :
       {"", "a", "@example.org", "a@", "a@example", "a@b@c.org", "-a@example.org",
        "a b@example.org", "a@example.org>", "a@example.", "a@.org", "a@example.org\nX"})
    EXPECT_FALSE(UsableAddress(bad)) << bad;
}

TEST(MailAddresses, RecipientsOfARequest) {
  MailRequest request;
  EXPECT_FALSE(RecipientsOf(request).ok());
  request.to = {" ; "};
  EXPECT_FALSE(RecipientsOf(request).ok());
  request.bcc = {"x@example.org"};
  ASSERT_TRUE(RecipientsOf(request).ok());
  request.to = {"a@example.org;nada"};
  const auto refused = RecipientsOf(request);
  ASSERT_FALSE(refused.ok());
  EXPECT_NE(refused.error().text.find("nada"), std::string::npos);
}

}  // namespace
}  // namespace ledra::platform
