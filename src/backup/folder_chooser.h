#pragma once
// The rules of the folder chooser "Select folder": a typed path that does not
// exist may be created after a question; anything else unusable is refused.

#include <optional>
#include <string_view>

#include "platform/files.h"
#include "platform/prompter.h"

namespace ledra::backup {

class FolderChooser {
 public:
  explicit FolderChooser(platform::Path current_folder) : current_(std::move(current_folder)) {}

  // "Select" with the typed path (UTF-8): the folder to use, or nothing when
  // the chooser stays open (the reason has been shown through `prompter`).
  std::optional<platform::Path> Select(std::string_view typed, Prompter& prompter) const;
  // "Current Folder": the data folder.
  const platform::Path& current_folder() const { return current_; }

 private:
  platform::Path current_;
};

}  // namespace ledra::backup
