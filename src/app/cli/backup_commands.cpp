// `ledra-cli backup`, `backups` and `restore`: the backup dialog's work
// without a window, so that backups can also be scheduled.

#include "cli/backup_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "backup/backup_history.h"
#include "backup/backup_names.h"
#include "backup/backup_set.h"
#include "backup/backup_settings.h"
#include "backup/catalogue.h"
#include "backup/restore_set.h"
#include "cli/cli_document.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

class BackupCommand final : public CliCommand {
 public:
  std::string Name() const override { return "backup"; }
  std::string Description() const override {
    return "Save the data and make a dated backup set in a folder";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--to", to_, "Folder that receives the set (default: the last one used)");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kWrite, password_);
    if (!doc) return doc.exit_code();
    const platform::Path& data = doc->document->data_folder();
    platform::Path target = to_ ? platform::Path(*to_) : backup::ReadBackupFolder(data);
    if (target.is_relative()) target = std::filesystem::absolute(target);
    const backup::TargetChoice choice = backup::ChooseTarget(target);
    if (choice.message) PrintAnsi(*context.err, *choice.message);
    if (Status s = platform::CreateFolders(choice.folder); !s) {
      PrintAnsi(*context.err, s.error().text);
      return 1;
    }
    auto set =
        backup::RunBackup(*doc->document, choice.folder, backup::NowFrom(*context.clock), {});
    if (!set) {
      PrintAnsi(*context.err, set.error().text);
      return 1;
    }
    PrintAnsi(*context.out, Strings().Get(str::kBackupComplete));
    *context.out << set->string() << '\n';
    return 0;
  }

 private:
  std::optional<std::string> to_;
  std::optional<std::string> password_;
};

class BackupsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "backups"; }
  std::string Description() const override {
    return "List the backup sets that can be restored (the catalogue)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--in", in_, "Folder to list when the history names no usable set");
  }
  int Run(const CliContext& context) override {
    const platform::Path& data = context.data_dir;
    for (const platform::Path& given : {data, platform::Path(in_.value_or("."))}) {
      if (!platform::FolderExists(given)) {
        PrintAnsi(*context.err,
                  Strings().Format(str::kCliNoSuchFolder, {platform::PathForMessage(given)}));
        return kExitRefused;
      }
    }
    const platform::Path folder = in_ ? platform::Path(*in_) : backup::ReadBackupFolder(data);
    const backup::Catalogue c =
        backup::BuildCatalogue(backup::BackupHistory::Read(backup::HistoryPath(data)), folder);
    for (const backup::CatalogueEntry& e : c.entries)
      *context.out << platform::AnsiToUtf8(e.when) << '\t' << e.folder.string() << '\n';
    const bool can_undo = backup::CanUndoRestore(data);
    if (can_undo)
      PrintAnsi(*context.out, Strings().Get(str::kUndoLastRestore) + "\t" +
                                  platform::PathForMessage(backup::UndoFolder(data)));
    // An empty list is an answer too, but not a silent one.
    if (c.entries.empty() && !can_undo)
      PrintAnsi(*context.err,
                Strings().Format(str::kCliNoBackupSets, {platform::PathForMessage(folder)}));
    return kExitDone;
  }

 private:
  std::optional<std::string> in_;
};

class RestoreCommand final : public CliCommand {
 public:
  std::string Name() const override { return "restore"; }
  std::string Description() const override {
    return "Restore a backup set into the data folder, or undo the last restore";
  }
  void Configure(CLI::App& command) override {
    command.add_option("set", set_, "Backup set folder");
    command.add_option("--from", set_, "Backup set folder");
    command.add_flag("--undo", undo_, "Undo the last restore");
    command.add_option("--password", password_, "Password of a protected data folder");
    command.add_option("--set-password", set_password_,
                       "Password of a protected set (default: --password)");
  }
  int Run(const CliContext& context) override {
    if (undo_ == set_.has_value()) {
      PrintAnsi(*context.err,
                Strings().Get(undo_ ? str::kCliSetOrUndo : str::kCliSetOrUndoMissing));
      return kExitRefused;
    }
    // A restore is how a damaged folder is mended, so it opens one.
    auto doc = OpenCliDocument(context, CliAccess::kRepair, password_);
    if (!doc) return doc.exit_code();
    const platform::Path& data = doc->document->data_folder();
    platform::Path set = undo_ ? backup::UndoFolder(data) : platform::Path(*set_);
    if (set.is_relative()) set = std::filesystem::absolute(set);
    if (undo_ && !backup::CanUndoRestore(data)) {
      PrintAnsi(*context.err, Strings().Get(str::kNothingToUndo));
      return kExitRefused;
    }
    if (!undo_ && !platform::FolderExists(set)) {
      PrintAnsi(*context.err,
                Strings().Format(str::kCliNoSuchFolder, {platform::PathForMessage(set)}));
      return kExitRefused;
    }
    const std::optional<std::string> typed = set_password_ ? set_password_ : password_;
    auto ask = [&typed](const std::string& actual) {
      return typed && platform::Utf8ToAnsi(*typed).text == actual;
    };
    if (Status s = backup::RunRestore(*doc->document, set, ask, {}); !s) {
      PrintAnsi(*context.err, s.error().text);
      return 1;
    }
    PrintAnsi(*context.out,
              Strings().Format(str::kRestoreComplete, {platform::PathForMessage(set)}));
    return 0;
  }

 private:
  std::optional<std::string> set_;
  bool undo_ = false;
  std::optional<std::string> password_;
  std::optional<std::string> set_password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeBackupCommand() {
  return std::make_unique<BackupCommand>();
}
std::unique_ptr<CliCommand> MakeBackupsCommand() {
  return std::make_unique<BackupsCommand>();
}
std::unique_ptr<CliCommand> MakeRestoreCommand() {
  return std::make_unique<RestoreCommand>();
}

}  // namespace ledra::cli
