#pragma once
// `ledra-cli csv export ...` (the CSV and TSV exports) and `csv import FILE`
// (the two steps of the CSV import, then the import pick list).

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeCsvCommand();

}  // namespace ledra::cli
