#pragma once
// ledra-cli collect prepare: a group's collection file, and mailing it.

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeCollectCommand();

}  // namespace ledra::cli
