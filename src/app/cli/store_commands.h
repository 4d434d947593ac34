#pragma once
#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {
std::unique_ptr<CliCommand> MakeInfoCommand();
std::unique_ptr<CliCommand> MakeDumpCommand();
std::unique_ptr<CliCommand> MakeResaveCommand();
}  // namespace ledra::cli
