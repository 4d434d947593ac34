#pragma once
// Runs ledra-cli's command line in-process, as a test would type it.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_command.h"

namespace ledra::cli {

struct CliRun {
  int code;
  std::string out, err;
};

inline CliRun RunWith(std::vector<std::string> args) {
  args.insert(args.begin(), "ledra-cli");
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int code = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
  return {code, out.str(), err.str()};
}

}  // namespace ledra::cli
