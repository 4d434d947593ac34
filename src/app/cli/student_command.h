#pragma once
// `ledra-cli student`: the Bible students, and `student add`, `edit` and
// `delete` through the reduced publisher editor.

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeStudentCommand();

}  // namespace ledra::cli
