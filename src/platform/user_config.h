#pragma once
// The user's own settings, apart from any congregation's: the data folder he
// last opened and where the main window was. They live in
// $XDG_CONFIG_HOME/ledra/ledra.conf, so a folder on a USB drive or a backup
// copy never carries one computer's screen layout to another.

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::platform {

struct UserConfig {
  std::optional<Path> data_folder;
  std::string window_rect;    // "x,y,width,height" of the frame
  std::string window_screen;  // the screen's name
  bool window_maximized = false;
};

// `xdg_config_home` as the environment gives it (a relative one is ignored).
Path UserConfigPath(std::string_view xdg_config_home, std::string_view home);
Path UserConfigPathFromEnvironment();

// A missing or damaged file gives the defaults.
UserConfig LoadUserConfig(const Path& file);
// Creates the folder (0700) when needed; writes atomically.
Status SaveUserConfig(const UserConfig& config, const Path& file);

}  // namespace ledra::platform
