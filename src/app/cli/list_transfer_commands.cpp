#include "cli/list_transfer_commands.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/database_json.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/inactive_list.h"
#include "records/list_transfers.h"
#include "records/pioneer_list.h"
#include "records/publisher_deletion.h"
#include "records/transfers.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;

json Ids(const store::CongregationDatabase& db, const std::vector<int>& rows) {
  json ids = json::array();
  for (int row : rows) ids.push_back(db.row(row).id());
  return ids;
}

// The row of a publisher id, or 0 after telling that there is none.
int RowOf(const CliContext& context, const store::CongregationDatabase& db, int id) {
  const int row = id > 0 && id <= 0xFFFF ? db.FindRow(static_cast<std::uint16_t>(id)) : 0;
  if (row == 0)
    (void)Refuse(context, Strings().Format(str::kCliNoSuchPublisher, {std::to_string(id)}));
  return row;
}

// Saves what changed; the changed record as the dump shows it.
int SaveAndPrint(const CliContext& context, store::Document& document, std::uint16_t id) {
  if (document.db().modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
  const auto& db = document.db();
  const int row = db.FindRow(id);
  json out = {{"changed", json::array()}};
  if (row != 0) out["changed"].push_back(PersonJson(db, row));
  *context.out << out.dump(1) << '\n';
  return kExitDone;
}

class PioneersCommand final : public CliCommand {
 public:
  std::string Name() const override { return "pioneers"; }
  std::string Description() const override {
    return "The auxiliary, regular or special pioneers of a month; --add or --remove one";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--mode", mode_, "auxiliary, regular or special")->required();
    command.add_option("--month", month_, "Month 1-12")->required();
    command.add_option("--year", year_, "Four-digit year")->required();
    command.add_option("--add", add_, "Publisher id to mark for the month");
    command.add_option("--remove", remove_, "Publisher id to unmark for the month");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    const records::PioneerMode mode = mode_ == "auxiliary" ? records::PioneerMode::kAuxiliary
                                      : mode_ == "regular" ? records::PioneerMode::kRegular
                                                           : records::PioneerMode::kSpecial;
    if (mode_ != "auxiliary" && mode_ != "regular" && mode_ != "special")
      return Refuse(context, Strings().Get(str::kCliBadMode));
    if (add_ && remove_) return Refuse(context, Strings().Get(str::kCliAddOrRemove));
    const bool writing = add_ || remove_;
    auto doc = OpenCliDocument(context, writing ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    auto& db = document.db();
    records::PioneerList list(db, mode);
    if (const Status chosen = list.Choose(year_, month_ - 1); !chosen)
      return Refuse(context, chosen.error().text);
    if (writing) {
      const int row = RowOf(context, db, add_ ? *add_ : *remove_);
      if (row == 0) return kExitRefused;
      const Status done = add_ ? list.Add(row, *doc->prompter) : list.Remove(row, *doc->prompter);
      if (!done) return Refuse(context, done.error().text);
      if (db.modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
    }
    const json out = {{"caption", platform::AnsiToUtf8(list.caption())},
                      {"listed", Ids(db, list.listed())},
                      {"others", Ids(db, list.others())}};
    *context.out << out.dump(1) << '\n';
    return kExitDone;
  }

 private:
  std::string mode_;
  int month_ = 0, year_ = 0;
  std::optional<int> add_, remove_;
  std::optional<std::string> password_;
};

class MoveCommand final : public CliCommand {
 public:
  std::string Name() const override { return "move"; }
  std::string Description() const override {
    return "Move a publisher: to inactive, back to active, away (moved), back from a move, or "
           "restore a deleted record";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--id", id_, "Publisher id")->required();
    command.add_option("--to", to_, "inactive, active, moved, back or restore")->required();
    command.add_option("--month", month_, "Month 1-12 of the change");
    command.add_option("--year", year_, "Four-digit year of a move to the inactive list");
    command.add_flag("--transfer", transfer_, "Back from a move as a transfer");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    const std::string targets[] = {"inactive", "active", "moved", "back", "restore"};
    if (std::find(std::begin(targets), std::end(targets), to_) == std::end(targets))
      return Refuse(context, Strings().Get(str::kCliMoveTo));
    const bool month_needed = to_ != "restore" && to_ != "back";
    if ((month_needed && (month_ < 1 || month_ > 12)) ||
        (month_ != 0 && (month_ < 1 || month_ > 12)))
      return Refuse(context, Strings().Format(str::kCliNoSuchMonth, {std::to_string(month_)}));
    auto doc = OpenCliDocument(context, CliAccess::kWrite, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    auto& db = document.db();
    const int row = RowOf(context, db, id_);
    if (row == 0) return kExitRefused;
    Prompter& prompter = *doc->prompter;
    Status done;
    if (to_ == "inactive") {
      done = records::MakeInactive(
          db, row, month_, year_ != 0 ? year_ : records::TransferYear(db, month_), prompter);
    } else if (to_ == "active") {
      if (db.row(row).is(store::ListType::kInactive))
        records::ReactivateInactive(db, row, month_, prompter);
      else
        done = Message{str::kListTransferNotAllowed, Strings().Get(str::kListTransferNotAllowed)};
    } else if (to_ == "moved") {
      done = records::MoveAway(db, row, month_, prompter);
    } else if (to_ == "back") {
      const bool to_inactive = records::MovedFromInactive(db.row(row));
      if (!to_inactive && (month_ < 1 || month_ > 12))
        return Refuse(context, Strings().Format(str::kCliNoSuchMonth, {std::to_string(month_)}));
      done = records::UndoMove(db, row, month_, transfer_, prompter);
    } else {
      done = records::RestoreDeleted(db, row, prompter);
    }
    if (!done) return Refuse(context, done.error().text);
    return SaveAndPrint(context, document, static_cast<std::uint16_t>(id_));
  }

 private:
  int id_ = 0, month_ = 0, year_ = 0;
  std::string to_;
  bool transfer_ = false;
  std::optional<std::string> password_;
};

class DeleteCommand final : public CliCommand {
 public:
  std::string Name() const override { return "delete"; }
  std::string Description() const override {
    return "Remove a record for good from the inactive, deleted or moved list (--yes)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--id", id_, "Publisher id")->required();
    command.add_flag("--yes", yes_, "Confirm");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kWrite, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    auto& db = document.db();
    const int row = RowOf(context, db, id_);
    if (row == 0) return kExitRefused;
    const auto& p = db.row(row);
    if (!p.is(store::ListType::kInactive) && !p.is(store::ListType::kDeleted) &&
        !p.is(store::ListType::kMoved))
      return Refuse(context, Strings().Get(str::kListTransferNotAllowed));
    if (!yes_)
      return Refuse(context,
                    Strings().Format(str::kCliNeedsYes, {records::DeleteQuestion(db, row)}));
    const json removed = PersonJson(db, row);
    if (const Status s = records::DeletePublisher(document, row, {}, *doc->prompter); !s)
      return Refuse(context, s.error().text);
    if (db.modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
    *context.out << json{{"deleted", removed}}.dump(1) << '\n';
    return kExitDone;
  }

 private:
  int id_ = 0;
  bool yes_ = false;
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakePioneersCommand() {
  return std::make_unique<PioneersCommand>();
}
std::unique_ptr<CliCommand> MakeMoveCommand() {
  return std::make_unique<MoveCommand>();
}
std::unique_ptr<CliCommand> MakeDeleteCommand() {
  return std::make_unique<DeleteCommand>();
}

}  // namespace ledra::cli
