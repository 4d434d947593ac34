#pragma once
// The places a folder chooser offers besides its tree: where it opens, the
// home folder and the removable drives the desktop has mounted.

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace ledra::platform {

// The folder a chooser opens at: `named` when it is an existing folder, else `home`.
Path StartFolder(const Path& named, const Path& home);

// The removable drives mounted below `root` ("/" on a live system): the
// folders in media/<user> and run/media/<user>, where the desktop mounts
// them and removes them again, and the non-empty folders in mnt (a mount
// point there stays behind, empty, when nothing is mounted on it). Each
// place sorted by name; a folder reached twice through links is listed once.
std::vector<Path> RemovableDriveFolders(const Path& root, std::string_view user);

// The user's home folder ($HOME, else the password database; empty when
// neither knows it) and login name.
Path UserHomeFolder();
std::string UserLoginName();

}  // namespace ledra::platform
