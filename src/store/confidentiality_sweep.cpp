#include "store/confidentiality_sweep.h"

#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::store {
namespace {

// File names on disk are UTF-8; the string table's texts are ANSI.
std::string DiskName(int id) {
  return platform::AnsiToUtf8(Strings().Get(id));
}

// The names in `folder` matching `pattern` (case-insensitively, as the
// exports were named by hand or by other programs).
std::vector<std::string> Matching(const platform::Path& folder, const std::string& pattern) {
  auto names = platform::ListFolder(folder, pattern);
  return names ? std::move(*names) : std::vector<std::string>{};
}

}  // namespace

std::vector<SweepCandidate> FindSweepCandidates(const platform::Path& folder) {
  std::vector<SweepCandidate> found;
  for (int month = 0; month < 12; ++month) {
    for (const char* extension : {".csv", ".rpt"}) {
      for (std::string& name : Matching(folder, DiskName(str::kMonthJanuary + month) + extension))
        found.push_back({std::move(name), true});
    }
  }
  if (found.empty()) return found;
  for (std::string& name : Matching(folder, DiskName(str::kFilePublistXml)))
    found.push_back({std::move(name), true});
  return found;
}

std::vector<Message> DeleteSelected(const platform::Path& folder,
                                    const std::vector<SweepCandidate>& candidates) {
  std::vector<Message> failures;
  for (const SweepCandidate& c : candidates) {
    if (!c.selected) continue;
    if (Status s = platform::DeleteFile(folder / c.name); !s) failures.push_back(s.error());
  }
  return failures;
}

std::vector<Message> DeleteExportLeftovers(const platform::Path& folder) {
  std::vector<Message> failures;
  for (int id : {str::kFileContactTsv, str::kFileThirdPartyTsv, str::kFileCardHeaderTsv,
                 str::kFilePublistXml}) {
    for (const std::string& name : Matching(folder, DiskName(id))) {
      if (Status s = platform::DeleteFile(folder / name); !s) failures.push_back(s.error());
    }
  }
  return failures;
}

}  // namespace ledra::store
