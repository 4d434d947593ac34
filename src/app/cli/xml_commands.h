#pragma once
// `ledra-cli xml export` and `xml import`: the publisher list as XML.

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeXmlCommand();

}  // namespace ledra::cli
