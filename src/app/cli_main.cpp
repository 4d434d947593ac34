// ledra-cli: the program's headless commands.

#include <iostream>

#include "cli/cli_command.h"

int main(int argc, char** argv) {
  return ledra::cli::RunCli(argc, argv, std::cout, std::cerr);
}
