#include "store/first_start.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::store {

std::string FirstStart::NewNote() const {
  return Strings().Format(str::kWelcomeNewNote, {platform::PathForMessage(new_folder())});
}

FirstStartPlan FirstStart::Demo() const {
  const platform::Path folder = demo_folder();
  return {folder, !platform::HoldsCongregation(folder), false};
}

FirstStartPlan FirstStart::New() const {
  return {new_folder(), false, true};
}

std::optional<FirstStartPlan> FirstStart::Existing(const platform::Path& folder,
                                                   Prompter& prompter) const {
  if (folder.empty()) return std::nullopt;
  const platform::Path full = (in_.current_directory / folder).lexically_normal();
  if (!platform::HoldsCongregation(full)) {
    const std::string question =
        Strings().Format(str::kWelcomeNoCongregation, {platform::PathForMessage(full)});
    if (prompter.AskYesNoCancel(question) != Answer::kYes) return std::nullopt;
  }
  return FirstStartPlan{full, false, true};
}

}  // namespace ledra::store
