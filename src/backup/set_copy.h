#pragma once
// Copying the data files between the data folder and a set (or the undo area),
// each file read back and compared with its source before it counts as copied.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::backup {

enum class CopyDirection { kToSet, kFromSet };

// Told before each file: the status line ("Backing up file: %1" or "Restoring
// file %1"), the files done so far and the total of the whole copy.
using CopyProgress =
    std::function<void(const std::string& status_line, std::size_t done, std::size_t total)>;

struct CopyItem {
  platform::Path from;
  platform::Path to;
  std::string shown;  // the name in the status line (ANSI)
};

class CopyPlan {
 public:
  // The data files present in `from`, to the same names in `to`.
  void AddDataFiles(const platform::Path& from, const platform::Path& to,
                    std::string_view shown_prefix = {});
  // The data files of `from`'s past-month folder n into `to`'s.
  void AddMonthFolder(const platform::Path& from, const platform::Path& to, int n);

  const std::vector<CopyItem>& items() const { return items_; }
  bool empty() const { return items_.empty(); }

  // Creates the target folders (private) and copies every item in order,
  // verifying each. Stops at the first failure, whose message names the file.
  Status Run(CopyDirection direction, const CopyProgress& progress) const;

 private:
  std::vector<CopyItem> items_;
};

// Copies one file and reads the copy back; the modification time is kept.
Status CopyVerified(const platform::Path& from, const platform::Path& to);

// A folder holding a "tdat9.bin" of more than 500 bytes.
bool IsUsableSet(const platform::Path& folder);

// The size of the data files present in `folder`.
std::uint64_t DataFilesSize(const platform::Path& folder);

// Deletes the data files in `folder` (and the previous version's names when
// `with_old_names`); a file already missing counts as deleted.
Status DeleteDataFiles(const platform::Path& folder, bool with_old_names);
// Deletes the past-month folders Roll/Ld9_1..12 of `folder`: their data files
// first, then the folders; "Roll" itself goes when it is left empty.
Status DeleteMonthFolders(const platform::Path& folder, bool with_old_names);
// Removes the past-month folders of `folder` that are empty, then "Roll" if empty.
void RemoveEmptyMonthFolders(const platform::Path& folder);
// The numbers n (1-12) of `folder`'s past-month folders; with `main_file_only`
// only those that hold a "tdat9.bin".
std::vector<int> MonthFolderNumbers(const platform::Path& folder, bool main_file_only);

}  // namespace ledra::backup
