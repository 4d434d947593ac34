#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>

#include "cli/cli_command.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {

std::optional<bool> YesNo(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  if (*text == "yes") return true;
  if (*text == "no") return false;
  return std::nullopt;
}

int Refuse(const CliContext& context, std::string_view ansi) {
  PrintAnsi(*context.err, ansi);
  return 2;
}

void PrintAnsi(std::ostream& stream, std::string_view ansi) {
  stream << platform::AnsiToUtf8(ansi) << '\n';
}

std::optional<long long> ParseNumber(std::string_view text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [at, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || at != end) return std::nullopt;
  return value;
}

std::optional<long long> NumberOption(const CliContext& context, std::string_view option,
                                      std::string_view text, long long low, long long high) {
  const std::optional<long long> value = ParseNumber(text);
  if (!value || *value < low || *value > high) {
    PrintAnsi(*context.err,
              Strings().Format(str::kCliBadValue, {option, platform::Utf8ToAnsi(text).text}));
    return std::nullopt;
  }
  return value;
}

namespace {

std::string Ansi(std::string_view utf8) {
  return platform::Utf8ToAnsi(utf8).text;
}

// Says, in the table's words, why the command line was not understood.
void ExplainParseError(const CLI::App& app, const CLI::ParseError& e, std::ostream& err) {
  const std::vector<CLI::App*> chosen = app.get_subcommands();
  const std::string command = chosen.empty() ? std::string() : chosen.front()->get_name();
  if (chosen.empty()) {
    // "ledra-cli" alone: the list of commands is the answer.
    err << app.help();
    return;
  }
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
    for (const CLI::Option* option : chosen.front()->get_options()) {
      if (option->get_required() && option->count() == 0) {
        PrintAnsi(err, Strings().Format(str::kCliMissingArgument,
                                        {Ansi(option->get_name()), Ansi(command)}));
        return;
      }
    }
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
    // CLI11 names the option before a colon.
    const std::string what = e.what();
    const std::size_t colon = what.find(':');
    if (what.starts_with('-') && colon != std::string::npos) {
      PrintAnsi(err, Strings().Format(str::kCliNeedsValue, {Ansi(what.substr(0, colon))}));
      return;
    }
  }
  PrintAnsi(err, Strings().Format(str::kCliBadUsage, {Ansi(command)}));
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{platform::AnsiToUtf8(Strings().Get(str::kCliDescription)), "ledra-cli"};
  app.set_version_flag("--version", std::string("ledra-cli ") + LEDRA_VERSION);
  app.require_subcommand(1);
  app.footer(platform::AnsiToUtf8(Strings().Get(str::kCliExitCodes)));
  // Unknown words are collected and refused below with the table's messages.
  app.allow_extras();

  struct Parsed {
    CliCommand* command = nullptr;
    CLI::App* sub = nullptr;
    std::string data_dir = ".";
    std::string today;
  };
  auto commands = AllCommands();
  std::vector<Parsed> parsed(commands.size());
  for (size_t i = 0; i < commands.size(); ++i) {
    CLI::App* sub = app.add_subcommand(commands[i]->Name(), commands[i]->Description());
    sub->allow_extras();
    parsed[i].command = commands[i].get();
    parsed[i].sub = sub;
    sub->add_option("--data", parsed[i].data_dir,
                    platform::AnsiToUtf8(Strings().Get(str::kCliDataOption)));
    sub->add_option("--today", parsed[i].today,
                    platform::AnsiToUtf8(Strings().Get(str::kCliTodayOption)));
    commands[i]->Configure(*sub);
  }

  // A first word that names no command is refused before CLI11 would call it
  // a missing subcommand.
  const auto named = [&commands](std::string_view word) {
    return std::any_of(commands.begin(), commands.end(),
                       [word](const auto& c) { return c->Name() == word; });
  };
  if (argc > 1 && argv[1][0] != '-' && !named(argv[1])) {
    PrintAnsi(err, Strings().Format(str::kCliUnknownCommand, {Ansi(argv[1])}));
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Help and version are successes; everything else is bad usage.
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
      return app.exit(e, out, err);
    ExplainParseError(app, e, err);
    return 2;
  }
  if (!app.remaining().empty()) {
    // Words before the command: an option of a command given too early, or
    // a command line without any command.
    const std::string word = app.remaining().front();
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (!word.starts_with('-')) {
      PrintAnsi(err, Strings().Format(str::kCliUnknownCommand, {Ansi(word)}));
    } else if (chosen.empty()) {
      err << app.help();
    } else {
      PrintAnsi(err, Strings().Format(str::kCliUnexpectedArgument,
                                      {Ansi(word), chosen.front()->get_name()}));
    }
    return 2;
  }

  for (size_t i = 0; i < commands.size(); ++i) {
    if (!app.got_subcommand(commands[i]->Name())) continue;
    const Parsed& p = parsed[i];
    if (!p.sub->remaining().empty()) {
      PrintAnsi(err, Strings().Format(str::kCliUnexpectedArgument,
                                      {Ansi(p.sub->remaining().front()), commands[i]->Name()}));
      return 2;
    }
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
  return 2;
}

}  // namespace ledra::cli
