#pragma once
#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {
// `ledra-cli backup --to DIR`, `ledra-cli backups`, `ledra-cli restore SET | --undo`.
std::unique_ptr<CliCommand> MakeBackupCommand();
std::unique_ptr<CliCommand> MakeBackupsCommand();
std::unique_ptr<CliCommand> MakeRestoreCommand();
}  // namespace ledra::cli
