#include "platform/user_config.h"

#include <cstdlib>

#include "platform/folder_shortcuts.h"
#include "platform/ini_file.h"

namespace ledra::platform {
namespace {

constexpr std::string_view kData = "Data", kFolder = "Folder";
constexpr std::string_view kWindow = "Window", kRect = "Rect", kScreen = "Screen",
                           kMaximized = "Maximized";

}  // namespace

Path UserConfigPath(std::string_view xdg_config_home, std::string_view home) {
  Path base{std::string(xdg_config_home)};
  if (base.empty() || base.is_relative()) base = Path(std::string(home)) / ".config";
  return (base / "ledra" / "ledra.conf").lexically_normal();
}

Path UserConfigPathFromEnvironment() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  return UserConfigPath(xdg ? xdg : "", UserHomeFolder().string());
}

UserConfig LoadUserConfig(const Path& file) {
  const IniFile ini = IniFile::Load(file);
  UserConfig c;
  // Paths are kept as the file system's own bytes.
  const std::string folder = ini.GetString(kData, kFolder, "");
  if (!folder.empty() && Path(folder).is_absolute()) c.data_folder = Path(folder);
  c.window_rect = ini.GetString(kWindow, kRect, "");
  c.window_screen = ini.GetString(kWindow, kScreen, "");
  c.window_maximized = ini.GetInt(kWindow, kMaximized, 0) != 0;
  return c;
}

Status SaveUserConfig(const UserConfig& config, const Path& file) {
  // Keys written by a later version survive.
  IniFile ini = IniFile::Load(file);
  if (config.data_folder)
    ini.SetString(kData, kFolder, config.data_folder->string());
  else
    ini.RemoveKey(kData, kFolder);
  ini.SetString(kWindow, kRect, config.window_rect);
  ini.SetString(kWindow, kScreen, config.window_screen);
  ini.SetInt(kWindow, kMaximized, config.window_maximized ? 1 : 0);
  if (Status made = CreateFolders(file.parent_path()); !made) return made;
  return ini.Save(file);
}

}  // namespace ledra::platform
