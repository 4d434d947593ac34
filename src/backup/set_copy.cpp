#include "backup/set_copy.h"

#include <system_error>

#include "backup/backup_names.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::backup {
namespace {

constexpr std::uint64_t kUsableMainFileSize = 500;

Message Named(int id, std::initializer_list<std::string_view> args) {
  return Message{id, Strings().Format(id, args)};
}

// Removes an empty folder; a folder still holding something stays.
void RemoveIfEmpty(const platform::Path& folder) {
  std::error_code ec;
  if (std::filesystem::is_empty(folder, ec) && !ec) std::filesystem::remove(folder, ec);
}

}  // namespace

void CopyPlan::AddDataFiles(const platform::Path& from, const platform::Path& to,
                            std::string_view shown_prefix) {
  for (const std::string& name : DataFileNames()) {
    // A file missing from the source is skipped without a word.
    if (!platform::FileExists(from / name)) continue;
    items_.push_back({from / name, to / name, std::string(shown_prefix) + name});
  }
}

void CopyPlan::AddMonthFolder(const platform::Path& from, const platform::Path& to, int n) {
  const platform::Path source = MonthFolder(from, n);
  const std::string prefix = platform::PathForMessage(source.lexically_relative(from)) + "/";
  AddDataFiles(source, MonthFolder(to, n), prefix);
}

Status CopyPlan::Run(CopyDirection direction, const CopyProgress& progress) const {
  const int status_id =
      direction == CopyDirection::kToSet ? str::kBackingUpFile : str::kRestoringFile;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const CopyItem& item = items_[i];
    if (progress) progress(Strings().Format(status_id, {item.shown}), i, items_.size());
    if (Status s = platform::CreateFolders(item.to.parent_path()); !s) return s;
    if (Status s = CopyVerified(item.from, item.to); !s) return s;
  }
  if (progress && !items_.empty()) progress({}, items_.size(), items_.size());
  return {};
}

Status CopyVerified(const platform::Path& from, const platform::Path& to) {
  const auto cannot_copy = [&] {
    return Named(str::kCannotCopyFile,
                 {platform::PathForMessage(from), platform::PathForMessage(to)});
  };
  auto source = platform::ReadFile(from);
  if (!source) return source.error();
  if (!platform::WriteFileAtomic(to, *source)) return cannot_copy();
  auto copy = platform::ReadFile(to);
  if (!copy || *copy != *source) return Named(str::kCopyDiffers, {platform::PathForMessage(to)});
  std::error_code ec;
  std::filesystem::last_write_time(to, std::filesystem::last_write_time(from, ec), ec);
  return {};
}

bool IsUsableSet(const platform::Path& folder) {
  const auto size = platform::FileSize(folder / Strings().Get(str::kFileMain));
  return size && *size > kUsableMainFileSize;
}

std::uint64_t DataFilesSize(const platform::Path& folder) {
  std::uint64_t total = 0;
  for (const std::string& name : DataFileNames())
    total += platform::FileSize(folder / name).value_or(0);
  return total;
}

Status DeleteDataFiles(const platform::Path& folder, bool with_old_names) {
  for (const std::string& name : DataFileNames())
    if (Status s = platform::DeleteFile(folder / name); !s) return s;
  if (with_old_names)
    for (const std::string& name : OldFileNames())
      if (Status s = platform::DeleteFile(folder / name); !s) return s;
  return {};
}

Status DeleteMonthFolders(const platform::Path& folder, bool with_old_names) {
  for (int n = 1; n <= 12; ++n) {
    const platform::Path month = MonthFolder(folder, n);
    if (!platform::FolderExists(month)) continue;
    if (Status s = DeleteDataFiles(month, with_old_names); !s) return s;
    RemoveIfEmpty(month);
  }
  RemoveIfEmpty(RollFolder(folder));
  return {};
}

void RemoveEmptyMonthFolders(const platform::Path& folder) {
  for (int n = 1; n <= 12; ++n) RemoveIfEmpty(MonthFolder(folder, n));
  RemoveIfEmpty(RollFolder(folder));
}

std::vector<int> MonthFolderNumbers(const platform::Path& folder, bool main_file_only) {
  std::vector<int> found;
  for (int n = 1; n <= 12; ++n) {
    const platform::Path month = MonthFolder(folder, n);
    if (main_file_only ? platform::FileExists(month / Strings().Get(str::kFileMain))
                       : platform::FolderExists(month))
      found.push_back(n);
  }
  return found;
}

}  // namespace ledra::backup
