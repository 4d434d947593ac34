#pragma once
#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {
std::unique_ptr<CliCommand> MakeHistoryCommand();
}  // namespace ledra::cli
