#pragma once
// The small subcommand framework of ledra-cli: every command gets --data and
// --today, and writes to the streams it is given so tests can run it.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace CLI {
class App;
}

namespace ledra::cli {

struct CliContext {
  std::filesystem::path data_dir;  // --data, default the current directory
  const Clock* clock = nullptr;    // --today, default the system clock
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
};

class CliCommand {
 public:
  virtual ~CliCommand() = default;
  virtual std::string Name() const = 0;
  virtual std::string Description() const = 0;  // UTF-8
  // Adds the command's own options and arguments.
  virtual void Configure(CLI::App& command) = 0;
  // Returns the process exit code.
  virtual int Run(const CliContext& context) = 0;
};

// Every command of ledra-cli, in the order --help lists them.
std::vector<std::unique_ptr<CliCommand>> AllCommands();

// Parses the arguments and runs the chosen command.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Writes an ANSI text (a string-table message) to a UTF-8 stream, with a line end.
void PrintAnsi(std::ostream& stream, std::string_view ansi);
// A refusal: the message on the error stream, and the exit code 2.
int Refuse(const CliContext& context, std::string_view ansi);
// An option answered "yes" or "no"; nothing when absent or anything else.
std::optional<bool> YesNo(const std::optional<std::string>& text);

// Exit codes of every command, as `ledra-cli --help` states them.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;   // the machine failed: disk, unreadable file
inline constexpr int kExitRefused = 2;  // refused, or the command line was wrong

// A whole decimal number, or nothing.
std::optional<long long> ParseNumber(std::string_view text);
// The number an option was given, within [low, high]; otherwise reports the
// bad value (naming `option`) on the error stream and gives nothing.
std::optional<long long> NumberOption(const CliContext& context, std::string_view option,
                                      std::string_view text, long long low, long long high);

}  // namespace ledra::cli
