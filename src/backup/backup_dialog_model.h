#pragma once
// The rules of the backup dialog, in its two modes: backup (target folder,
// required space, OK makes a set) and restore (catalogue of sets, a set
// chosen by folder, the newest backup, the undo of the last restore).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "backup/backup_history.h"
#include "backup/backup_names.h"
#include "backup/catalogue.h"
#include "backup/restore_set.h"
#include "backup/set_copy.h"
#include "platform/files.h"

namespace ledra::store {
class Document;
}

namespace ledra::backup {

enum class DialogMode { kBackup, kRestore };

class BackupDialogModel {
 public:
  // Reads "Path" and the history; the caller shows "Wait ...\n\nChecking
  // backups" around the construction.
  BackupDialogModel(DialogMode mode, platform::Path data_folder);

  DialogMode mode() const { return mode_; }
  std::string caption() const;  // ANSI
  const platform::Path& folder() const { return folder_; }

  // --- backup mode ---
  std::uint64_t required_space() const { return required_space_; }
  std::string required_space_text() const;  // "Required space: N bytes"
  // A folder chosen for the backup; a set folder gives its parent and the
  // message to show (returned).
  std::optional<std::string> ChooseTargetFolder(const platform::Path& chosen);

  // --- restore mode ---
  const Catalogue& catalogue() const { return catalogue_; }
  // One row per catalogue entry: its date (empty for a set found by listing)
  // and its folder, as ANSI texts.
  struct CatalogueRow {
    std::string date;
    std::string folder;
    bool operator==(const CatalogueRow&) const = default;
  };
  std::vector<CatalogueRow> catalogue_rows() const;
  void SelectEntry(std::size_t index);
  // A folder chosen with " Which folder contains the backup set to restore? ":
  // a usable set is selected; otherwise its "Ld9*" sets are listed.
  void ChooseRestoreFolder(const platform::Path& chosen);
  // "Usr último backup": the newest usable set of the history. False when none.
  bool UseLastBackup();
  bool undo_offered() const { return undo_offered_; }
  std::string undo_text() const;  // "Click OK to reverse ( undo ) last restore : <path>"
  void SelectUndo();
  const std::optional<platform::Path>& selected() const { return selected_; }

  // --- both ---
  std::string status_line() const;  // ANSI
  bool ok_enabled() const;
  bool done() const { return done_; }
  std::string cancel_text() const;  // "Close" once a backup was made, else empty (the default)

  struct OkOutcome {
    bool close = false;
    std::optional<std::string> message;  // ANSI, to show
  };
  // OK: makes the set or restores the selected one.
  OkOutcome Ok(store::Document& document, const BackupTime& when, const PasswordAsk& ask_password,
               const CopyProgress& progress);

 private:
  DialogMode mode_;
  platform::Path data_folder_;
  platform::Path folder_;
  BackupHistory history_;
  Catalogue catalogue_;
  std::uint64_t required_space_ = 0;
  bool undo_offered_ = false;
  std::optional<platform::Path> selected_;
  bool selected_is_undo_ = false;
  bool done_ = false;
};

}  // namespace ledra::backup
