#pragma once
// The rules of the password dialog "Necessita de Senha": access is granted as
// soon as the typed text equals the password; one wrong OK shows "Senha
// inválida ..." and the next key stroke or OK ends the attempt.

#include <string>
#include <string_view>

namespace ledra::store {

class PublisherRecord;

inline constexpr std::size_t kPasswordMax = 13;

enum class PasswordOutcome { kPending, kGranted, kRefused };

class PasswordCheck {
 public:
  enum class Purpose { kOpening, kBeforeChange };

  // `password` is the ANSI text of the congregation header.
  PasswordCheck(std::string password, Purpose purpose);

  // Whether the header holds a password at all; without one access is granted at once.
  static bool Needed(const PublisherRecord& header);

  // The edit field's text changed (ANSI).
  PasswordOutcome TextChanged(std::string_view text);
  // The OK button.
  PasswordOutcome Ok(std::string_view text);
  // Any other way of closing the dialog.
  PasswordOutcome Close();

  PasswordOutcome outcome() const { return outcome_; }
  // The prompt line (ANSI).
  const std::string& prompt() const { return prompt_; }

 private:
  std::string password_;
  std::string prompt_;
  bool wrong_once_ = false;
  PasswordOutcome outcome_ = PasswordOutcome::kPending;
};

}  // namespace ledra::store
