#pragma once
// The options that choose a status list on the command line (its kind, month,
// period, group and selection row), shared by `list` and `report --kind status`.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "activity/status_list.h"
#include "cli/cli_command.h"

namespace ledra::cli {

struct StatusListArgs {
  std::string kind;
  std::optional<std::string> month, period, group;
  std::optional<std::string> row;  // --choice

  // --month, --period, --choice and, when asked for, --group.
  void AddOptions(CLI::App& command, bool with_group);
  // Turns the options into the dialog's choice; 0, or the refusal's exit code.
  int Parse(const CliContext& context, const activity::StatusList& list,
            const store::CongregationDatabase& db, activity::StatusListChoice& out) const;
};

}  // namespace ledra::cli
