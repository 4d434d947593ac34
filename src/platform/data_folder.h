#pragma once
// Which folder holds the congregation's data: the one named on the command
// line, else the current directory when it already holds a main data file,
// else the program's own folder under the user's data home.

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::platform {

struct DataFolderInputs {
  std::optional<Path> data_option;  // --data DIR
  Path current_directory;
  std::string xdg_data_home;  // $XDG_DATA_HOME, empty when unset
  std::string home;           // the user's home folder
};

// The inputs as this process sees them.
DataFolderInputs DataFolderInputsFromEnvironment(std::optional<Path> data_option);

// The data folder, as an absolute path. Nothing is created.
Path ChooseDataFolder(const DataFolderInputs& inputs);

// Creates the folder (private, 0700) when it does not exist yet.
Status PrepareDataFolder(const Path& folder);

// Whether files can be created in the folder.
bool FolderWritable(const Path& folder);

}  // namespace ledra::platform
