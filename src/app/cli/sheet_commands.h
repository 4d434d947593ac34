#pragma once
#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {
std::unique_ptr<CliCommand> MakeSheetCommand();
std::unique_ptr<CliCommand> MakeSheetsCommand();
}  // namespace ledra::cli
