#include "platform/data_folder.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/codepage.h"
#include "platform/folder_shortcuts.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::platform {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

bool HoldsCongregation(const Path& folder) {
  for (int id : {str::kFileMain, str::kFileMainOld}) {
    // The files may come from systems that ignore case in names.
    auto names = ListFolder(folder, AnsiToUtf8(Strings().Get(id)));
    if (names && !names->empty()) return true;
  }
  return false;
}

DataFolderInputs DataFolderInputsFromEnvironment(std::optional<Path> data_option) {
  std::error_code ec;
  Path current = std::filesystem::current_path(ec);
  return {std::move(data_option), ec ? Path("/") : current, Env("XDG_DATA_HOME"),
          UserHomeFolder().string(), std::nullopt};
}

Path ChooseDataFolder(const DataFolderInputs& in) {
  if (in.data_option && !in.data_option->empty())
    return (in.current_directory / *in.data_option).lexically_normal();
  if (HoldsCongregation(in.current_directory)) return in.current_directory;
  // A remembered folder on a drive that is not plugged in is passed over.
  if (in.remembered && in.remembered->is_absolute() && HoldsCongregation(*in.remembered))
    return in.remembered->lexically_normal();
  return DefaultDataFolder(in);
}

Path DefaultDataFolder(const DataFolderInputs& in) {
  // A relative XDG_DATA_HOME is invalid and is ignored.
  Path data_home = in.xdg_data_home;
  if (data_home.empty() || data_home.is_relative()) {
    data_home = in.home.empty() ? in.current_directory : Path(in.home) / ".local" / "share";
  }
  return (data_home / "ledra").lexically_normal();
}

Path DemoDataFolder(const DataFolderInputs& in) {
  return DefaultDataFolder(in) / "demo";
}

bool IsFirstStart(const DataFolderInputs& in, const Path& chosen) {
  if (in.data_option && !in.data_option->empty()) return false;
  return !HoldsCongregation(chosen);
}

Status PrepareDataFolder(const Path& folder) {
  if (FolderExists(folder)) return Status::Ok();
  if (CreateFolders(folder)) return Status::Ok();
  return Message{str::kCannotCreateDataFolder,
                 Strings().Format(str::kCannotCreateDataFolder, {PathForMessage(folder)})};
}

bool FolderWritable(const Path& folder) {
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace ledra::platform
