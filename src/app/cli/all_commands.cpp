#include "cli/cli_command.h"
#include "cli/strings_command.h"

namespace ledra::cli {

std::vector<std::unique_ptr<CliCommand>> AllCommands() {
  std::vector<std::unique_ptr<CliCommand>> commands;
  commands.push_back(MakeStringsCommand());
  return commands;
}

}  // namespace ledra::cli
