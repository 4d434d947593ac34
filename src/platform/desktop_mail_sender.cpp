#include "platform/desktop_mail_sender.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

extern char** environ;

namespace ledra::platform {
namespace {

MailResult FailedWith(int id, std::initializer_list<std::string_view> args = {}) {
  return {MailOutcome::kFailed, AnsiToUtf8(Strings().Format(id, args))};
}

}  // namespace

std::vector<std::string> XdgEmailArguments(const MailRequest& request,
                                           const MailRecipients& recipients,
                                           const std::string& program) {
  std::vector<std::string> args = {program, "--utf8"};
  if (!request.subject.empty()) args.insert(args.end(), {"--subject", request.subject});
  if (!request.body.empty()) args.insert(args.end(), {"--body", request.body});
  if (!request.attachment.empty()) args.insert(args.end(), {"--attach", request.attachment});
  for (const std::string& address : recipients.bcc) args.insert(args.end(), {"--bcc", address});
  args.insert(args.end(), recipients.to.begin(), recipients.to.end());
  return args;
}

MailResult DesktopMailSender::Send(const MailRequest& request) {
  const Result<MailRecipients> recipients = RecipientsOf(request);
  if (!recipients) return {MailOutcome::kFailed, AnsiToUtf8(recipients.error().text)};
  if (!request.attachment.empty() && !FileExists(Path(request.attachment)))
    return FailedWith(str::kMailAttachmentUnreadable, {PathForMessage(Path(request.attachment))});

  const std::vector<std::string> args = XdgEmailArguments(request, *recipients, program_);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int started =
      posix_spawnp(&child, program_.c_str(), nullptr, nullptr, argv.data(), environ);
  if (started == ENOENT) return FailedWith(str::kMailNoDesktopProgram);
  if (started != 0) return FailedWith(str::kMailDesktopNotStarted, {std::strerror(started)});
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return FailedWith(str::kMailDesktopNotStarted, {std::strerror(errno)});
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {MailOutcome::kSent, {}};
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return FailedWith(str::kMailDesktopExit, {std::to_string(code)});
}

}  // namespace ledra::platform
