#include "cli/cli_command.h"
#include "cli/store_commands.h"
#include "cli/strings_command.h"

namespace ledra::cli {

std::vector<std::unique_ptr<CliCommand>> AllCommands() {
  std::vector<std::unique_ptr<CliCommand>> commands;
  commands.push_back(MakeInfoCommand());
  commands.push_back(MakeDumpCommand());
  commands.push_back(MakeResaveCommand());
  commands.push_back(MakeStringsCommand());
  return commands;
}

}  // namespace ledra::cli
