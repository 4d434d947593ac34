#include "platform/mail_message.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "platform/ini_file.h"

namespace ledra::platform {
namespace {

constexpr std::string_view kEnd = "\r\n";
// The longest encoded word a header may hold is 75 characters; 45 bytes of
// text become 60 base64 characters, which with "=?UTF-8?B?" and "?=" fit.
constexpr std::size_t kEncodedWordBytes = 45;

bool PrintableAscii(std::string_view text) {
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7E) return false;
  }
  return true;
}

// Text without line breaks or other controls (they would start new headers).
std::string OneLine(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    out += (u < 0x20 || u == 0x7F) ? ' ' : c;
  }
  return out;
}

// UTF-8 chunks of at most `limit` bytes that never split a character.
std::vector<std::string_view> Chunks(std::string_view text, std::size_t limit) {
  std::vector<std::string_view> out;
  while (!text.empty()) {
    std::size_t cut = std::min(limit, text.size());
    // A continuation byte (10xxxxxx) belongs to the character before it.
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
      --cut;
    if (cut == 0) cut = std::min(limit, text.size());
    out.push_back(text.substr(0, cut));
    text.remove_prefix(cut);
  }
  return out;
}

std::string EncodedWords(std::string_view utf8) {
  std::string out;
  for (const std::string_view chunk : Chunks(utf8, kEncodedWordBytes)) {
    if (!out.empty()) out += "\r\n ";
    out += "=?UTF-8?B?" + Base64(chunk, 0) + "?=";
  }
  return out;
}

// A display name: a quoted string when it is plain ASCII, else encoded words.
std::string DisplayName(std::string_view utf8) {
  const std::string name = OneLine(utf8);
  if (!PrintableAscii(name)) return EncodedWords(name);
  std::string quoted = "\"";
  for (const char c : name) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// A file name parameter: quoted ASCII, or the UTF-8 form of RFC 2231.
std::string FileNameParameter(std::string_view parameter, std::string_view utf8) {
  const std::string name = OneLine(utf8);
  if (PrintableAscii(name) && name.find_first_of("\"\\") == std::string::npos)
    return std::string(parameter) + "=\"" + name + "\"";
  std::string out = std::string(parameter) + "*=UTF-8''";
  constexpr std::string_view kHex = "0123456789ABCDEF";
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    const bool plain = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                       std::string_view("!#$&+-.^_`|~").find(c) != std::string_view::npos;
    if (plain) {
      out += c;
    } else {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    }
  }
  return out;
}

// A text part in canonical form: every line end CRLF.
std::string CrlfText(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += kEnd;
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += kEnd;
    } else {
      out += c;
    }
  }
  return out;
}

std::string TextPartHeaders() {
  return "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n";
}

}  // namespace

std::string Base64(std::string_view bytes, std::size_t line_length) {
  constexpr std::string_view kDigits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve(bytes.size() / 3 * 4 + 4 + (line_length ? bytes.size() / line_length * 2 : 0));
  std::size_t column = 0;
  const auto put = [&](char c) {
    if (line_length != 0 && column == line_length) {
      out += kEnd;
      column = 0;
    }
    out += c;
    ++column;
  };
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 3; ++k)
      v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    put(kDigits[(v >> 18) & 63]);
    put(kDigits[(v >> 12) & 63]);
    put(n > 1 ? kDigits[(v >> 6) & 63] : '=');
    put(n > 2 ? kDigits[v & 63] : '=');
  }
  return out;
}

std::string HeaderText(std::string_view utf8) {
  const std::string text = OneLine(utf8);
  // "Subject: " and the text stay within 78 characters.
  if (PrintableAscii(text) && text.size() <= 68 && text.find("=?") == std::string::npos)
    return text;
  return EncodedWords(text);
}

std::string MailDate(std::time_t when) {
  static constexpr std::array<std::string_view, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                            "Thu", "Fri", "Sat"};
  static constexpr std::array<std::string_view, 12> kMonths = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm t{};
  gmtime_r(&when, &t);
  char digits[32];
  std::snprintf(digits, sizeof digits, "%02d %s %04d %02d:%02d:%02d +0000", t.tm_mday,
                kMonths[static_cast<std::size_t>(t.tm_mon)].data(), t.tm_year + 1900, t.tm_hour,
                t.tm_min, t.tm_sec);
  return std::string(kDays[static_cast<std::size_t>(t.tm_wday)]) + ", " + digits;
}

std::string BuildMessage(const MailRequest& request, const MailRecipients& recipients,
                         const std::optional<MailAttachment>& attachment,
                         const MessageFrame& frame) {
  std::string m;
  m += "Date: " + MailDate(frame.date) + std::string(kEnd);
  m += "From: ";
  if (!request.sender_name.empty()) m += DisplayName(request.sender_name) + " ";
  m += "<" + frame.from_address + ">" + std::string(kEnd);
  // A sender name that is an address (the secretary's) is where answers go.
  if (UsableAddress(request.sender_name) &&
      !EqualsNoCaseAnsi(request.sender_name, frame.from_address))
    m += "Reply-To: <" + request.sender_name + ">" + std::string(kEnd);
  m += "To: ";
  if (recipients.to.empty()) {
    m += "undisclosed-recipients:;";
  } else {
    for (std::size_t i = 0; i < recipients.to.size(); ++i)
      m += (i == 0 ? "<" : ",\r\n <") + recipients.to[i] + ">";
  }
  m += kEnd;
  m += "Subject: " + HeaderText(request.subject) + std::string(kEnd);
  m += "Message-ID: <" + frame.message_id + ">" + std::string(kEnd);
  m += "MIME-Version: 1.0\r\n";
  const std::string body = Base64(CrlfText(request.body)) + std::string(kEnd);
  if (!attachment) {
    m += TextPartHeaders() + std::string(kEnd) + body;
    return m;
  }
  const std::string dash = "--" + frame.boundary;
  m += "Content-Type: multipart/mixed; boundary=\"" + frame.boundary + "\"\r\n\r\n";
  m += dash + std::string(kEnd) + TextPartHeaders() + std::string(kEnd) + body;
  m += dash + std::string(kEnd);
  m += "Content-Type: application/octet-stream; " + FileNameParameter("name", attachment->name) +
       std::string(kEnd);
  m += "Content-Disposition: attachment; " + FileNameParameter("filename", attachment->name) +
       std::string(kEnd);
  m += "Content-Transfer-Encoding: base64\r\n\r\n";
  m += Base64(attachment->bytes) + std::string(kEnd);
  m += dash + "--" + std::string(kEnd);
  return m;
}

MessageFrame NewMessageFrame(std::string_view from_address) {
  std::random_device device;
  std::mt19937_64 random((static_cast<std::uint64_t>(device()) << 32) ^ device());
  char unique[40];
  std::snprintf(unique, sizeof unique, "%016llx.%016llx", static_cast<unsigned long long>(random()),
                static_cast<unsigned long long>(random()));
  MessageFrame frame;
  frame.from_address = std::string(from_address);
  frame.date = std::time(nullptr);
  std::string domain(AddressDomain(from_address));
  if (domain.empty()) domain = "ledra.invalid";
  frame.message_id = std::string(unique) + "@" + domain;
  // "=_" never occurs in base64 text, so no part can contain the boundary.
  frame.boundary = "=_ledra_" + std::string(unique);
  return frame;
}

}  // namespace ledra::platform
