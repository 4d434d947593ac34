#pragma once
// `ledra-cli overseer`: the circuit overseer's record, shown or edited as
// "Superintendente de circuito" does.

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeOverseerCommand();

}  // namespace ledra::cli
