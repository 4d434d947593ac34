#pragma once
// The rules of the dialog "Troca de Senha": the new password is typed twice
// (at most 13 characters; the 14th ends the entry as OK), and the result is
// written to the congregation header with one of three messages.

#include <string>
#include <string_view>

namespace ledra::store {

class PublisherRecord;

class PasswordChange {
 public:
  PasswordChange();

  // The edit field's text changed (ANSI). Returns whether the step ended.
  bool TextChanged(std::string_view text);
  // The OK button: the first keeps the text and asks again; the second ends.
  void Ok(std::string_view text);
  void Cancel();

  bool finished() const { return stage_ == Stage::kDone; }
  // Both entries were equal and the dialog was not cancelled.
  bool confirmed() const { return confirmed_; }
  // The text the edit field should show now and the prompt line (ANSI).
  const std::string& field() const { return field_; }
  const std::string& prompt() const { return prompt_; }
  const std::string& new_password() const { return first_; }

 private:
  enum class Stage { kFirst, kSecond, kDone };
  Stage stage_ = Stage::kFirst;
  std::string first_;
  std::string field_;
  std::string prompt_;
  bool confirmed_ = false;
};

// What the change did: the message to show and whether the document changed.
struct PasswordChangeResult {
  int message_id = 0;
  bool modified = false;
};

// Writes a confirmed change to the header: an empty text or one beginning
// with a space removes the password.
PasswordChangeResult ApplyPasswordChange(const PasswordChange& change, PublisherRecord& header);

}  // namespace ledra::store
