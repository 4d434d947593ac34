#pragma once
// `ledra-cli groups` lists the twenty field service groups as "Editar Grupos
// de Serviço de Campo" does; `ledra-cli group` edits one of them.

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeGroupsCommand();
std::unique_ptr<CliCommand> MakeGroupCommand();

}  // namespace ledra::cli
