#include "backup/catalogue.h"

#include "backup/backup_names.h"
#include "backup/set_copy.h"

namespace ledra::backup {

std::vector<CatalogueEntry> UsableHistorySets(const BackupHistory& history) {
  std::vector<CatalogueEntry> out;
  for (const HistoryRecord& r : history.records()) {
    if (r.path.empty()) continue;
    const platform::Path folder = PathFromHistory(r.path);
    if (IsUsableSet(folder)) out.push_back({r.when, folder});
  }
  return out;
}

std::vector<CatalogueEntry> ListedSets(const platform::Path& folder) {
  std::vector<CatalogueEntry> out;
  auto names = platform::ListFolder(folder, SetListPattern(), /*folders_only=*/true);
  if (!names) return out;
  for (const std::string& name : *names)
    if (IsUsableSet(folder / name)) out.push_back({{}, folder / name});
  return out;
}

Catalogue BuildCatalogue(const BackupHistory& history, const platform::Path& backup_folder) {
  Catalogue c;
  c.entries = UsableHistorySets(history);
  c.from_history = !c.entries.empty();
  if (!c.from_history) c.entries = ListedSets(backup_folder);
  return c;
}

}  // namespace ledra::backup
