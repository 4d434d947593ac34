#include "backup/folder_chooser.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::backup {

std::optional<platform::Path> FolderChooser::Select(std::string_view typed,
                                                    Prompter& prompter) const {
  std::string text(typed);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.erase(0, 1);
  const platform::Path folder(text);
  // Relative paths would depend on the process's current directory.
  if (text.empty() || !folder.is_absolute() || platform::FileExists(folder)) {
    prompter.Inform(Strings().Get(str::kInvalidFolder));
    return std::nullopt;
  }
  if (platform::FolderExists(folder)) return folder;
  if (prompter.AskYesNoCancel(Strings().Get(str::kPathDoesNotExist)) != Answer::kYes)
    return std::nullopt;
  if (!platform::CreateFolders(folder)) {
    prompter.Inform(Strings().Get(str::kCouldNotCreateFolder) + "\n" +
                    platform::PathForMessage(folder));
    return std::nullopt;
  }
  return folder;
}

}  // namespace ledra::backup
