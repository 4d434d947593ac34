#pragma once
// `ledra-cli card`, `cards` and `labels`: publisher record cards and labels
// as PDF files (in the build with Qt) or traces of their drawing.

#include <memory>

#include "cli/cli_command.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeCardCommand();
std::unique_ptr<CliCommand> MakeCardsCommand();
std::unique_ptr<CliCommand> MakeLabelsCommand();

}  // namespace ledra::cli
