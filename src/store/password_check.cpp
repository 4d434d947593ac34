#include "store/password_check.h"

#include <utility>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/publisher_record.h"

namespace ledra::store {

PasswordCheck::PasswordCheck(std::string password, Purpose purpose)
    : password_(std::move(password)),
      prompt_(Strings().Get(purpose == Purpose::kOpening ? str::kPasswordPrompt
                                                         : str::kPasswordPromptOld)) {}

bool PasswordCheck::Needed(const PublisherRecord& header) {
  return header::HasPassword(header);
}

PasswordOutcome PasswordCheck::TextChanged(std::string_view text) {
  if (outcome_ != PasswordOutcome::kPending) return outcome_;
  if (wrong_once_) return Ok(text);
  if (text == password_) return outcome_ = PasswordOutcome::kGranted;
  if (text.size() > kPasswordMax) return Ok(text);
  return outcome_;
}

PasswordOutcome PasswordCheck::Ok(std::string_view text) {
  if (outcome_ != PasswordOutcome::kPending) return outcome_;
  if (text == password_) return outcome_ = PasswordOutcome::kGranted;
  prompt_ = Strings().Get(str::kPasswordInvalid);
  if (wrong_once_) return outcome_ = PasswordOutcome::kRefused;
  wrong_once_ = true;
  return outcome_;
}

PasswordOutcome PasswordCheck::Close() {
  if (outcome_ == PasswordOutcome::kPending) outcome_ = PasswordOutcome::kRefused;
  return outcome_;
}

}  // namespace ledra::store
