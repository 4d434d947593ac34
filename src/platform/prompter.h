#pragma once
// The one way the core talks to the user: messages and questions. The windowed
// program answers through message boxes; tests and ledra-cli script the answers.

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace ledra {

enum class Answer { kYes, kNo, kCancel, kOk };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows an ANSI text with an OK button.
  virtual void Inform(std::string_view text) = 0;
  // Yes/No/Cancel question.
  virtual Answer AskYesNoCancel(std::string_view text) = 0;
  // OK/Cancel question.
  virtual Answer AskOkCancel(std::string_view text) = 0;
  // OK/Cancel question with Cancel as the default button, for steps that
  // cannot be taken back.
  virtual Answer AskOkCancelDefaultCancel(std::string_view text) { return AskOkCancel(text); }
};

// Answers from a script, records everything it was shown.
class ScriptedPrompter final : public Prompter {
 public:
  void Inform(std::string_view text) override { shown.emplace_back(text); }
  Answer AskYesNoCancel(std::string_view text) override { return Next(text, Answer::kCancel); }
  Answer AskOkCancel(std::string_view text) override { return Next(text, Answer::kCancel); }

  std::deque<Answer> answers;      // consumed front first
  std::vector<std::string> shown;  // messages and questions, in order

 private:
  Answer Next(std::string_view text, Answer fallback) {
    shown.emplace_back(text);
    if (answers.empty()) return fallback;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace ledra
