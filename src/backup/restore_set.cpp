#include "backup/restore_set.h"

#include <algorithm>
#include <system_error>

#include "backup/backup_names.h"
#include "platform/file_set_commit.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/document.h"
#include "store/publisher_record.h"
#include "store/text_scrambler.h"

namespace ledra::backup {
namespace {

Message Text(int id, std::initializer_list<std::string_view> args = {}) {
  return Message{id, Strings().Format(id, args)};
}

std::string ForMessage(const platform::Path& p) {
  return platform::PathForMessage(p);
}

// Empties a work folder of what a restore puts there.
Status ClearWorkFolder(const platform::Path& work) {
  if (Status s = DeleteDataFiles(work, /*with_old_names=*/true); !s) return s;
  return DeleteMonthFolders(work, /*with_old_names=*/true);
}

// The folder an undo was being built in goes when the undo does not happen.
void DropUndoWork(const platform::Path& data) {
  std::error_code ec;
  std::filesystem::remove_all(UndoWorkFolder(data), ec);
}

// The data files and past-month folders of `from` into `to`. Saving the
// current files takes every past-month folder; a set brings only the ones
// that hold a main file.
enum class Months { kNone, kAll, kWithMainFile };
CopyPlan WholePlan(const platform::Path& from, const platform::Path& to, Months months) {
  CopyPlan plan;
  plan.AddDataFiles(from, to);
  if (months != Months::kNone)
    for (int n : MonthFolderNumbers(from, months == Months::kWithMainFile))
      plan.AddMonthFolder(from, to, n);
  return plan;
}

// Replaces the data files of `to` by those of `from` in one all-or-nothing
// commit: a crash leaves the old files or the new ones, never a mixture, and
// the next opening finishes or discards what was left. A data file that
// `from` lacks is removed, except the settings: a set made without them must
// not take the folder's backup folder and congregation name away.
Status ReplaceDataFiles(const platform::Path& from, const platform::Path& to,
                        const CopyProgress& progress, std::size_t& done, std::size_t total) {
  platform::FileSetCommit commit(to);
  const std::string settings = Strings().Get(str::kSettingsFileName);
  for (const std::string& name : DataFileNames()) {
    if (!platform::FileExists(from / name)) {
      if (name != settings && platform::FileExists(to / name)) commit.Remove(name);
      continue;
    }
    if (progress) progress(Strings().Format(str::kRestoringFile, {name}), done, total);
    auto bytes = platform::ReadFile(from / name);
    if (!bytes) return bytes.error();
    commit.Put(name, std::move(*bytes));
    ++done;
  }
  if (commit.empty()) return {};
  if (Status s = platform::CreateFolders(to); !s) return s;
  return commit.Commit();
}

// The past-month folders of `data` made like those of `from`: the ones `from`
// holds (with a main file) replaced, the others emptied.
Status ReplaceMonthFolders(const platform::Path& from, const platform::Path& data,
                           const CopyProgress& progress, std::size_t& done, std::size_t total) {
  const std::vector<int> wanted = MonthFolderNumbers(from, /*main_file_only=*/true);
  for (int n = 1; n <= 12; ++n) {
    const bool in_set = std::find(wanted.begin(), wanted.end(), n) != wanted.end();
    const platform::Path target = MonthFolder(data, n);
    if (!in_set && !platform::FolderExists(target)) continue;
    if (in_set) {
      if (Status s = ReplaceDataFiles(MonthFolder(from, n), target, progress, done, total); !s)
        return s;
    } else if (Status s = DeleteDataFiles(target, /*with_old_names=*/false); !s) {
      return s;
    }
  }
  RemoveEmptyMonthFolders(data);
  return {};
}

std::size_t FilesToRestore(const platform::Path& set, bool months) {
  std::size_t total = WholePlan(set, set, Months::kNone).items().size();
  if (months)
    for (int n : MonthFolderNumbers(set, true))
      total += WholePlan(MonthFolder(set, n), set, Months::kNone).items().size();
  return total;
}

}  // namespace

Result<std::string> SetPassword(const platform::Path& set_folder) {
  auto bytes = platform::ReadFile(set_folder / Strings().Get(str::kFileMain));
  if (!bytes) return bytes.error();
  store::PublisherRecord header;
  if (bytes->size() < header.bytes.size())
    return Text(str::kNotAUsableSet, {ForMessage(set_folder)});
  std::copy_n(bytes->begin(), header.bytes.size(), header.bytes.begin());
  const std::uint8_t marker = header.bytes[store::header::kScrambleMarker];
  if (marker != store::header::kPlainMarker)
    store::ScrambleRecord(header, store::kUnscramble,
                          static_cast<std::uint8_t>(marker - store::header::kPlainMarker));
  return store::header::HasPassword(header) ? store::header::Password(header) : std::string{};
}

bool CanUndoRestore(const platform::Path& data_folder) {
  return IsUsableSet(UndoFolder(data_folder));
}

Status RestoreFolder(const platform::Path& data, const platform::Path& set,
                     const CopyProgress& progress) {
  // The data folder (or the folder an undo is being built in) is no set: its
  // files would be deleted before they were copied.
  if (!IsUsableSet(set) || SameFolder(set, data) || SameFolder(set, UndoWorkFolder(data)))
    return Text(str::kNotAUsableSet, {ForMessage(set)});
  const platform::Path undo = UndoFolder(data);
  const bool is_undo = SameFolder(set, undo);
  const platform::Path work = is_undo ? UndoWorkFolder(data) : undo;

  // 1. The current files go to the work folder, verified, before anything in
  // the data folder is touched.
  if (Status s = platform::CreateFolders(work); !s) return s;
  if (Status s = ClearWorkFolder(work); !s) return s;
  if (Status s = WholePlan(data, work, Months::kAll).Run(CopyDirection::kToSet, {}); !s) {
    if (is_undo) DropUndoWork(data);
    return Text(str::kRestoreFailedPutBack, {s.error().text});
  }

  // 2. The set's past-month folders replace the data folder's when it has
  // any; then its data files replace the folder's in one commit, the step
  // that decides: until it lands the folder holds its own data files whole.
  const bool set_has_months = platform::FolderExists(RollFolder(set));
  const std::size_t total = FilesToRestore(set, set_has_months);
  std::size_t done = 0;
  Status copied = set_has_months ? ReplaceMonthFolders(set, data, progress, done, total) : Status{};
  if (copied) copied = ReplaceDataFiles(set, data, progress, done, total);
  if (!copied) {
    // The data files are as they were; the past-month folders go back too.
    std::size_t ignored = 0;
    Status back = set_has_months ? ReplaceMonthFolders(work, data, {}, ignored, 0) : Status{};
    if (!back) return Text(str::kRestoreFailedNotPutBack, {copied.error().text, ForMessage(work)});
    if (is_undo) DropUndoWork(data);
    return Text(str::kRestoreFailedPutBack, {copied.error().text});
  }
  if (progress && total > 0) progress({}, total, total);

  // 3. After an undo the files it replaced become the undo area.
  if (is_undo) {
    std::error_code ec;
    std::filesystem::remove_all(undo, ec);
    if (ec) return Text(str::kCannotDeleteFile, {ForMessage(undo)});
    if (Status s = platform::RenameFile(work, undo); !s) return s;
  }
  return {};
}

Status RunRestore(store::Document& document, const platform::Path& set,
                  const PasswordAsk& ask_password, const CopyProgress& progress) {
  if (!IsUsableSet(set)) return Text(str::kNotAUsableSet, {ForMessage(set)});
  auto password = SetPassword(set);
  if (!password) return password.error();
  if (!password->empty() && !(ask_password && ask_password(*password)))
    return Text(str::kSetPasswordInvalid);
  // Unsaved changes would otherwise be lost beyond the reach of an undo.
  if (document.db().modified && !document.read_only())
    if (Status s = document.SaveCommand(/*from_menu=*/true); !s) return s;
  if (document.db().month().viewing_past) document.ReturnToOpenMonth();
  Status s = RestoreFolder(document.data_folder(), set, progress);
  // Reloaded in either case: a put-back folder reads as it was.
  document.Reload();
  document.CheckPastMonths();
  return s;
}

}  // namespace ledra::backup
