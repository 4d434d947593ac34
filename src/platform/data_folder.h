#pragma once
// Which folder holds the congregation's data: the one named on the command
// line, else the current directory when it already holds a main data file,
// else the folder the user last opened when it still holds one, else the
// program's own folder under the user's data home.

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::platform {

struct DataFolderInputs {
  std::optional<Path> data_option;  // --data DIR
  Path current_directory;
  std::string xdg_data_home;       // $XDG_DATA_HOME, empty when unset
  std::string home;                // the user's home folder
  std::optional<Path> remembered;  // the folder the user last opened
};

// The inputs as this process sees them.
DataFolderInputs DataFolderInputsFromEnvironment(std::optional<Path> data_option);

// The data folder, as an absolute path. Nothing is created.
Path ChooseDataFolder(const DataFolderInputs& inputs);

// The program's own folder under the user's data home, and the
// demonstration congregation's folder inside it.
Path DefaultDataFolder(const DataFolderInputs& inputs);
Path DemoDataFolder(const DataFolderInputs& inputs);

// Whether the folder holds a main data file (of this or the previous version).
bool HoldsCongregation(const Path& folder);

// A start without a congregation to open: no folder named on the command
// line and no main data file in `chosen`, the folder ChooseDataFolder gave.
bool IsFirstStart(const DataFolderInputs& inputs, const Path& chosen);

// Creates the folder (private, 0700) when it does not exist yet.
Status PrepareDataFolder(const Path& folder);

// Whether files can be created in the folder.
bool FolderWritable(const Path& folder);

}  // namespace ledra::platform
