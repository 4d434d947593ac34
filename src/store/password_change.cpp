#include "store/password_change.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/password_check.h"
#include "store/publisher_record.h"

namespace ledra::store {

PasswordChange::PasswordChange() : prompt_(Strings().Get(str::kPasswordNewPrompt)) {}

bool PasswordChange::TextChanged(std::string_view text) {
  if (finished() || text.size() <= kPasswordMax) return false;
  Ok(text.substr(0, kPasswordMax));
  return true;
}

void PasswordChange::Ok(std::string_view text) {
  switch (stage_) {
    case Stage::kFirst:
      first_ = std::string(text);
      field_.clear();
      prompt_ = first_ + " " + Strings().Get(str::kPasswordAgain);
      stage_ = Stage::kSecond;
      break;
    case Stage::kSecond:
      field_ = std::string(text);
      confirmed_ = text == first_;
      stage_ = Stage::kDone;
      break;
    case Stage::kDone:
      break;
  }
}

void PasswordChange::Cancel() {
  if (finished()) return;
  confirmed_ = false;
  stage_ = Stage::kDone;
}

PasswordChangeResult ApplyPasswordChange(const PasswordChange& change, PublisherRecord& header) {
  if (!change.finished() || !change.confirmed()) return {str::kPasswordNotChanged, false};
  const std::string& text = change.new_password();
  if (text.empty() || text.front() == ' ') {
    header.SetText(field::kFname, " ");
    return {str::kPasswordDisabled, true};
  }
  header.SetText(field::kFname, text);
  return {str::kPasswordChanged, true};
}

}  // namespace ledra::store
