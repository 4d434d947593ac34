#pragma once
#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {
std::unique_ptr<CliCommand> MakeTotalsCommand();
std::unique_ptr<CliCommand> MakeSummaryCommand();
std::unique_ptr<CliCommand> MakeYtdCommand();
}  // namespace ledra::cli
