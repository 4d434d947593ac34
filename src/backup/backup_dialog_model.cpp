#include "backup/backup_dialog_model.h"

#include "backup/backup_set.h"
#include "backup/backup_settings.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/document.h"

namespace ledra::backup {
namespace {

const std::string& T(int id) {
  return Strings().Get(id);
}

std::string ForMessage(const platform::Path& p) {
  return platform::PathForMessage(p);
}

// The folder as the dialog shows it: with its trailing separator.
std::string FolderText(const platform::Path& p) {
  std::string s = ForMessage(p);
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

}  // namespace

BackupDialogModel::BackupDialogModel(DialogMode mode, platform::Path data_folder)
    : mode_(mode), data_folder_(std::move(data_folder)) {
  folder_ = ReadBackupFolder(data_folder_);
  history_ = BackupHistory::Read(HistoryPath(data_folder_));
  if (mode_ == DialogMode::kBackup) {
    required_space_ = RequiredSpace(data_folder_);
  } else {
    catalogue_ = BuildCatalogue(history_, folder_);
    undo_offered_ = CanUndoRestore(data_folder_);
  }
}

std::string BackupDialogModel::caption() const {
  return T(mode_ == DialogMode::kBackup ? str::kBackupCaption : str::kRestoreCaption);
}

std::string BackupDialogModel::required_space_text() const {
  return FormatPrintf(T(str::kRequiredSpaceFormat), {std::string_view(T(str::kRequiredSpace)),
                                                     static_cast<long long>(required_space_)});
}

std::optional<std::string> BackupDialogModel::ChooseTargetFolder(const platform::Path& chosen) {
  TargetChoice choice = ChooseTarget(chosen);
  folder_ = choice.folder;
  return choice.message;
}

std::vector<BackupDialogModel::CatalogueRow> BackupDialogModel::catalogue_rows() const {
  std::vector<CatalogueRow> rows;
  for (const CatalogueEntry& e : catalogue_.entries) rows.push_back({e.when, ForMessage(e.folder)});
  return rows;
}

void BackupDialogModel::SelectEntry(std::size_t index) {
  if (index >= catalogue_.entries.size()) return;
  selected_ = catalogue_.entries[index].folder;
  selected_is_undo_ = false;
}

void BackupDialogModel::ChooseRestoreFolder(const platform::Path& chosen) {
  folder_ = chosen;
  if (IsUsableSet(chosen)) {
    selected_ = chosen;
    selected_is_undo_ = false;
    return;
  }
  catalogue_.entries = ListedSets(chosen);
  catalogue_.from_history = false;
  selected_.reset();
}

bool BackupDialogModel::UseLastBackup() {
  const auto sets = UsableHistorySets(history_);
  if (sets.empty()) return false;
  selected_ = sets.front().folder;
  selected_is_undo_ = false;
  return true;
}

std::string BackupDialogModel::undo_text() const {
  return FormatPrintf(T(str::kUndoRestoreFormat),
                      {std::string_view(T(str::kClickOkToUndoRestore)),
                       std::string_view(ForMessage(UndoFolder(data_folder_)))});
}

void BackupDialogModel::SelectUndo() {
  if (!undo_offered_) return;
  selected_ = UndoFolder(data_folder_);
  selected_is_undo_ = true;
}

std::string BackupDialogModel::status_line() const {
  if (mode_ == DialogMode::kBackup) {
    if (done_) return T(str::kBackupComplete);
    return Strings().Format(str::kClickOkToBackup, {FolderText(folder_)});
  }
  if (!selected_) return {};
  if (selected_is_undo_) return undo_text();
  return Strings().Format(str::kClickOkToRestore, {ForMessage(*selected_)});
}

bool BackupDialogModel::ok_enabled() const {
  return mode_ == DialogMode::kBackup || selected_.has_value();
}

std::string BackupDialogModel::cancel_text() const {
  return done_ ? T(str::kCloseButton) : std::string{};
}

BackupDialogModel::OkOutcome BackupDialogModel::Ok(store::Document& document,
                                                   const BackupTime& when,
                                                   const PasswordAsk& ask_password,
                                                   const CopyProgress& progress) {
  if (mode_ == DialogMode::kBackup) {
    // After a backup OK only closes.
    if (done_) return {.close = true, .message = std::nullopt};
    auto set = RunBackup(document, folder_, when, progress);
    if (!set) return {.close = false, .message = set.error().text};
    done_ = true;
    return {.close = false, .message = T(str::kBackupComplete)};
  }
  if (!selected_) return {};
  if (Status s = RunRestore(document, *selected_, ask_password, progress); !s)
    return {.close = false, .message = s.error().text};
  return {.close = true, .message = std::nullopt};
}

}  // namespace ledra::backup
