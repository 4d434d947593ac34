#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>

#include "cli/cli_command.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {

void PrintAnsi(std::ostream& stream, std::string_view ansi) {
  stream << platform::AnsiToUtf8(ansi) << '\n';
}

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{platform::AnsiToUtf8(Strings().Get(str::kCliDescription)), "ledra-cli"};
  app.set_version_flag("--version", std::string("ledra-cli ") + LEDRA_VERSION);
  app.require_subcommand(1);

  struct Parsed {
    CliCommand* command = nullptr;
    std::string data_dir = ".";
    std::string today;
  };
  auto commands = AllCommands();
  std::vector<Parsed> parsed(commands.size());
  for (size_t i = 0; i < commands.size(); ++i) {
    CLI::App* sub = app.add_subcommand(commands[i]->Name(), commands[i]->Description());
    parsed[i].command = commands[i].get();
    sub->add_option("--data", parsed[i].data_dir,
                    platform::AnsiToUtf8(Strings().Get(str::kCliDataOption)));
    sub->add_option("--today", parsed[i].today,
                    platform::AnsiToUtf8(Strings().Get(str::kCliTodayOption)));
    commands[i]->Configure(*sub);
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err);
  }

  for (size_t i = 0; i < commands.size(); ++i) {
    if (!app.got_subcommand(commands[i]->Name())) continue;
    const Parsed& p = parsed[i];
    SystemClock system_clock;
    std::optional<FixedClock> fixed_clock;
    if (!p.today.empty()) {
      const auto date = ParseIsoDate(p.today);
      if (!date) {
        PrintAnsi(err, Strings().Format(str::kCliBadDate, {p.today}));
        return 2;
      }
      if (!TodayCountable(*date)) {
        PrintAnsi(err, Strings().Format(str::kCliTodayOutOfRange, {p.today}));
        return 2;
      }
      fixed_clock.emplace(*date);
    }
    CliContext context;
    context.data_dir = p.data_dir;
    context.clock = fixed_clock ? static_cast<const Clock*>(&*fixed_clock) : &system_clock;
    context.out = &out;
    context.err = &err;
    return p.command->Run(context);
  }
  return 1;
}

}  // namespace ledra::cli
