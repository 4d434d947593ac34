#include "backup/restore_set.h"

#include <system_error>

#include "backup/backup_names.h"
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

// The data folder's own files (and past-month folders when `months`) removed.
Status ClearDataFolder(const platform::Path& data, bool months) {
  if (Status s = DeleteDataFiles(data, /*with_old_names=*/false); !s) return s;
  return months ? DeleteMonthFolders(data, /*with_old_names=*/false) : Status{};
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

  // 2. The set replaces the data files; its past-month folders replace the
  // data folder's when it has any.
  const bool set_has_months = platform::FolderExists(RollFolder(set));
  const Months months = set_has_months ? Months::kWithMainFile : Months::kNone;
  Status copied = ClearDataFolder(data, set_has_months);
  if (copied) copied = WholePlan(set, data, months).Run(CopyDirection::kFromSet, progress);
  if (!copied) {
    // Never leave the folder half old and half new: put back what was saved.
    Status back = ClearDataFolder(data, set_has_months);
    if (back)
      back = WholePlan(work, data, set_has_months ? Months::kAll : Months::kNone)
                 .Run(CopyDirection::kFromSet, {});
    if (!back) return Text(str::kRestoreFailedNotPutBack, {copied.error().text, ForMessage(work)});
    if (is_undo) DropUndoWork(data);
    return Text(str::kRestoreFailedPutBack, {copied.error().text});
  }

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
