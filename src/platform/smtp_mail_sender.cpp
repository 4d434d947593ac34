#include "platform/smtp_mail_sender.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/mail_addresses.h"
#include "platform/mail_message.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::platform {
namespace {

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;
using CurlList = std::unique_ptr<curl_slist, CurlDeleter>;

bool CurlReady() {
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
  return ready;
}

MailResult Failed(std::string detail) {
  return {MailOutcome::kFailed, std::move(detail)};
}

MailResult FailedWith(int id, std::initializer_list<std::string_view> args = {}) {
  return Failed(AnsiToUtf8(Strings().Format(id, args)));
}

// The message handed to curl piece by piece.
struct Upload {
  std::string_view rest;
};

std::size_t ReadUpload(char* buffer, std::size_t size, std::size_t count, void* data) {
  auto* upload = static_cast<Upload*>(data);
  const std::size_t n = std::min(size * count, upload->rest.size());
  std::memcpy(buffer, upload->rest.data(), n);
  upload->rest.remove_prefix(n);
  return n;
}

// The server's last refusal (a 4xx or 5xx reply), as it worded it.
struct Dialogue {
  std::string refusal;
  bool continued = false;  // the last line kept was "NNN-...": more follows
};

int Listen(CURL*, curl_infotype type, char* data, std::size_t size, void* user) {
  if (type != CURLINFO_HEADER_IN) return 0;
  auto* dialogue = static_cast<Dialogue*>(user);
  std::string_view line(data, size);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  if (line.size() < 3 || (line[0] != '4' && line[0] != '5')) {
    // The goodbye after a refusal must not hide it.
    dialogue->continued = false;
    return 0;
  }
  // A reply of several lines ("550-...", "550 ...") is kept whole.
  if (dialogue->continued)
    dialogue->refusal += ' ';
  else
    dialogue->refusal.clear();
  dialogue->refusal += line;
  dialogue->continued = line.size() > 3 && line[3] == '-';
  return 0;
}

std::string Url(const SmtpServer& server) {
  const bool tls = server.security == SmtpSecurity::kTls;
  std::string host = server.host;
  // A bare IPv6 address goes in brackets.
  if (host.find(':') != std::string::npos && !host.starts_with('[')) host = "[" + host + "]";
  return std::string(tls ? "smtps://" : "smtp://") + host + ":" + std::to_string(server.port);
}

}  // namespace

int DefaultSmtpPort(SmtpSecurity security) {
  switch (security) {
    case SmtpSecurity::kNone:
      return 25;
    case SmtpSecurity::kTls:
      return 465;
    case SmtpSecurity::kStartTls:
      break;
  }
  return 587;
}

SmtpMailSender::SmtpMailSender(SmtpServer server, std::string password, SmtpLimits limits)
    : server_(std::move(server)), password_(std::move(password)), limits_(std::move(limits)) {}

MailResult SmtpMailSender::Send(const MailRequest& request) {
  const Result<MailRecipients> recipients = RecipientsOf(request);
  if (!recipients) return Failed(AnsiToUtf8(recipients.error().text));
  if (!UsableAddress(server_.from)) return FailedWith(str::kMailBadFrom);

  std::optional<MailAttachment> attachment;
  if (!request.attachment.empty()) {
    const Path path(request.attachment);
    Result<std::string> bytes = ReadFile(path);
    if (!bytes) return FailedWith(str::kMailAttachmentUnreadable, {PathForMessage(path)});
    std::string name = request.attachment_name;
    if (name.empty()) name = path.filename().string();
    attachment = MailAttachment{std::move(name), std::move(*bytes)};
  }
  const std::string message =
      BuildMessage(request, *recipients, attachment, NewMessageFrame(server_.from));

  if (!CurlReady()) return FailedWith(str::kMailSetupFailed);
  CurlHandle curl(curl_easy_init());
  if (!curl) return FailedWith(str::kMailSetupFailed);
  CURL* c = curl.get();
  char error[CURL_ERROR_SIZE] = {};
  Upload upload{message};
  Dialogue dialogue;
  CurlList rcpt;
  for (const auto* list : {&recipients->to, &recipients->bcc}) {
    for (const std::string& address : *list) {
      curl_slist* grown = curl_slist_append(rcpt.get(), ("<" + address + ">").c_str());
      if (!grown) return FailedWith(str::kMailSetupFailed);
      (void)rcpt.release();
      rcpt.reset(grown);
    }
  }
  const std::string url = Url(server_);
  const std::string from = "<" + server_.from + ">";
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(limits_.connect.count()));
  curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(limits_.reply.count()));
  curl_easy_setopt(c, CURLOPT_TIMEOUT, static_cast<long>(limits_.total.count()));
  // A transfer that stalls for as long as a reply may take is given up.
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits_.reply.count()));
  if (server_.security == SmtpSecurity::kStartTls)
    curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
  if (!limits_.ca_file.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, limits_.ca_file.c_str());
  if (!server_.user.empty()) {
    curl_easy_setopt(c, CURLOPT_USERNAME, server_.user.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, password_.c_str());
  }
  curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.c_str());
  curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());
  curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(c, CURLOPT_READFUNCTION, ReadUpload);
  curl_easy_setopt(c, CURLOPT_READDATA, &upload);
  curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, Listen);
  curl_easy_setopt(c, CURLOPT_DEBUGDATA, &dialogue);
  curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);  // the debug function sees the replies

  const CURLcode code = curl_easy_perform(c);
  if (code == CURLE_OK) return {MailOutcome::kSent, {}};
  // curl's own words for the failure, with its particulars when they add to them.
  std::string detail = curl_easy_strerror(code);
  if (error[0] != '\0' && std::string_view(error).find(detail) == std::string_view::npos)
    detail += std::string(" (") + error + ")";
  else if (error[0] != '\0')
    detail = error;
  if (!dialogue.refusal.empty()) {
    detail =
        AnsiToUtf8(Strings().Format(str::kMailServerRefused, {Utf8ToAnsi(dialogue.refusal).text})) +
        " (" + detail + ")";
  }
  return Failed(std::move(detail));
}

}  // namespace ledra::platform
