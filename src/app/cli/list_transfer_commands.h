#pragma once
// `ledra-cli pioneers`, `move` and `delete`: the month-by-month pioneer lists
// and the transfers between the active, inactive, moved and deleted lists.

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakePioneersCommand();
std::unique_ptr<CliCommand> MakeMoveCommand();
std::unique_ptr<CliCommand> MakeDeleteCommand();

}  // namespace ledra::cli
