#pragma once
// The sets offered for a restore: the usable sets of the history, or, when
// it names none, the usable "Ld9*" folders of the backup folder.

#include <optional>
#include <string>
#include <vector>

#include "backup/backup_history.h"
#include "platform/files.h"

namespace ledra::backup {

struct CatalogueEntry {
  std::string when;  // ANSI; empty for a set found by listing
  platform::Path folder;
};

// The history's records whose folder is still a usable set, newest first.
std::vector<CatalogueEntry> UsableHistorySets(const BackupHistory& history);
// The usable set folders "Ld9*" directly in `folder`, newest name last.
std::vector<CatalogueEntry> ListedSets(const platform::Path& folder);

struct Catalogue {
  std::vector<CatalogueEntry> entries;
  bool from_history = false;
};
Catalogue BuildCatalogue(const BackupHistory& history, const platform::Path& backup_folder);

}  // namespace ledra::backup
