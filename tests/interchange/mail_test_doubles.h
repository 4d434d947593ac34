#pragma once
// A keyring in memory and a sender that records what it was given.

#include <map>
#include <utility>

#include "platform/mail.h"
#include "platform/password_keyring.h"

namespace ledra::test {

class MemoryKeyring final : public platform::PasswordKeyring {
 public:
  bool available = true;
  bool fail_store = false;
  std::map<std::pair<std::string, std::string>, std::string> kept;
  int lookups = 0;

  bool Available() override { return available; }
  std::optional<std::string> Lookup(std::string_view server, std::string_view user) override {
    ++lookups;
    const auto it = kept.find({std::string(server), std::string(user)});
    if (!available || it == kept.end()) return std::nullopt;
    return it->second;
  }
  Status Store(std::string_view server, std::string_view user, std::string_view password) override {
    if (!available || fail_store) return Message{1, "keyring locked"};
    kept[{std::string(server), std::string(user)}] = std::string(password);
    return Status::Ok();
  }
};

class RecordingSender final : public platform::MailSender {
 public:
  explicit RecordingSender(platform::MailResult answer, std::vector<platform::MailRequest>* sent)
      : answer_(std::move(answer)), sent_(sent) {}
  platform::MailResult Send(const platform::MailRequest& request) override {
    sent_->push_back(request);
    return answer_;
  }

 private:
  platform::MailResult answer_;
  std::vector<platform::MailRequest>* sent_;
};

}  // namespace ledra::test
