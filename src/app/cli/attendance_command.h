#pragma once
#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {
std::unique_ptr<CliCommand> MakeAttendanceCommand();
}  // namespace ledra::cli
