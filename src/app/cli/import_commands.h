#pragma once
// ledra-cli import xml|t19: the import dialog's pick list, and the merge.

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeImportCommand();

}  // namespace ledra::cli
