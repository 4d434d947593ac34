#include "cli/groups_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/database_json.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/field_groups.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;
using platform::AnsiToUtf8;

json GroupJson(const store::CongregationDatabase& db, records::GroupEditor& editor) {
  const records::GroupFields& f = editor.fields();
  json members = json::array();
  for (std::uint16_t id : editor.Members()) members.push_back(id);
  const int g = editor.group();
  return {{"number", g},
          {"overseer", AnsiToUtf8(f.overseer)},
          {"assistant", AnsiToUtf8(f.assistant)},
          {"place", AnsiToUtf8(f.place)},
          {"time", AnsiToUtf8(f.time)},
          {"weekday", f.weekday},
          {"name", AnsiToUtf8(f.name)},
          {"display_name", AnsiToUtf8(editor.display_name())},
          {"name_shown", db.side.groups.name_shown(g)},
          {"members", members}};
}

class GroupsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "groups"; }
  std::string Description() const override {
    return "The twenty field service groups as \"Editar Grupos de Serviço de Campo\" lists them";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const auto& db = doc->document->db();
    const auto rows = records::GroupListRows(db);
    json list = json::array();
    for (const records::GroupListRow& r : rows) {
      list.push_back({{"number", r.number},
                      {"text", AnsiToUtf8(r.text)},
                      {"name", AnsiToUtf8(r.name)},
                      {"marked", r.marked}});
    }
    const json out = {{"count", db.side.groups.count()},
                      {"rows", list},
                      {"note", AnsiToUtf8(records::GroupListNote(rows))}};
    *context.out << out.dump(1) << '\n';
    return kExitDone;
  }

 private:
  std::optional<std::string> password_;
};

class GroupCommand final : public CliCommand {
 public:
  std::string Name() const override { return "group"; }
  std::string Description() const override {
    return "Show or edit one field service group and its members";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--number", number_, "Group 1-20")->required();
    command.add_option("--overseer", overseer_, "\"Superintendente\" (23 characters)");
    command.add_option("--assistant", assistant_, "\"Assistente\" (23 characters)");
    command.add_option("--place", place_, "\"Local\" (22 characters)");
    command.add_option("--time", time_, "\"Hora\" (8 characters)");
    command.add_option("--weekday", weekday_, "\"Dia\": 0 Monday .. 6 Sunday");
    command.add_option("--name", name_, "\"Nome do grupo\" (20 characters; empty for none)");
    command.add_option("--members", members_,
                       "Ids of the active publishers that make up the group, a,b,...");
    command.add_option("--password", password_, "Password of a protected folder");
  }

  int Run(const CliContext& context) override {
    const std::optional<long long> number = ParseNumber(*number_);
    if (!number || *number < 1 || *number > store::GroupTable::kMaxGroups) {
      return Refuse(context, Strings().Format(str::kCliNoSuchFieldGroup,
                                              {platform::Utf8ToAnsi(*number_).text}));
    }
    std::optional<std::vector<std::uint16_t>> members;
    if (members_) {
      members = ParseIds(context, *members_);
      if (!members) return kExitRefused;
    }
    std::optional<long long> weekday;
    if (weekday_) {
      weekday = ParseNumber(*weekday_);
      if (!weekday || *weekday < 0 || *weekday > records::kLastWeekday) {
        return Refuse(context, Strings().Format(str::kCliNoSuchWeekday,
                                                {platform::Utf8ToAnsi(*weekday_).text}));
      }
    }
    const bool edits = overseer_ || assistant_ || place_ || time_ || weekday_ || name_ || members_;
    auto doc = OpenCliDocument(context, edits ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    auto& db = document.db();

    records::GroupEditor editor(db, static_cast<int>(*number));
    records::GroupFields& f = editor.fields();
    for (auto [option, text, field] :
         {std::tuple{"--overseer", &overseer_, &f.overseer},
          std::tuple{"--assistant", &assistant_, &f.assistant},
          std::tuple{"--place", &place_, &f.place}, std::tuple{"--time", &time_, &f.time},
          std::tuple{"--name", &name_, &f.name}}) {
      if (!*text) continue;
      const platform::Converted ansi = platform::Utf8ToAnsi(**text);
      if (ansi.replaced)
        return Refuse(context, Strings().Format(str::kCliBadValue, {option, ansi.text}));
      *field = ansi.text;
    }
    if (weekday) f.weekday = static_cast<int>(*weekday);
    if (Status s = editor.Check(); !s) return Refuse(context, s.error().text);
    if (members) {
      if (Status s = editor.SetMembers(*members); !s) return Refuse(context, s.error().text);
    }
    json changed = json::array();
    if (edits) {
      auto moved = editor.Save(*doc->prompter);
      if (!moved) return Refuse(context, moved.error().text);
      if (db.modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
      for (std::uint16_t id : *moved) changed.push_back(PersonJson(db, db.FindRow(id)));
    }
    const json out = {
        {"group", GroupJson(db, editor)}, {"count", db.side.groups.count()}, {"changed", changed}};
    *context.out << out.dump(1) << '\n';
    return kExitDone;
  }

 private:
  // "a,b,..." as ids; an empty text is no one.
  static std::optional<std::vector<std::uint16_t>> ParseIds(const CliContext& context,
                                                            const std::string& text) {
    std::vector<std::uint16_t> ids;
    std::size_t at = 0;
    while (!text.empty() && at <= text.size()) {
      const std::size_t comma = std::min(text.find(',', at), text.size());
      const std::string part = text.substr(at, comma - at);
      const auto id = NumberOption(context, "--members", part, 1, 0xFFFF);
      if (!id) return std::nullopt;
      ids.push_back(static_cast<std::uint16_t>(*id));
      at = comma + 1;
    }
    return ids;
  }

  std::optional<std::string> number_, overseer_, assistant_, place_, time_, weekday_, name_,
      members_, password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeGroupsCommand() {
  return std::make_unique<GroupsCommand>();
}

std::unique_ptr<CliCommand> MakeGroupCommand() {
  return std::make_unique<GroupCommand>();
}

}  // namespace ledra::cli
