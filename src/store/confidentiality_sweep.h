#pragma once
// Unencrypted exports left in the data folder: month-named report files
// ("Janeiro.csv" ... "Dezembro.rpt") offered for deletion at opening, and the
// export leftovers that are always deleted.

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::store {

struct SweepCandidate {
  platform::Path name;  // file name inside the folder
  bool selected = true;
};

// The files to offer: every month-named ".csv" or ".rpt" file, followed by
// "publist.xml" when it exists; nothing at all when no month file exists.
std::vector<SweepCandidate> FindSweepCandidates(const platform::Path& folder);

// Deletes the selected candidates; every failure is collected.
std::vector<Message> DeleteSelected(const platform::Path& folder,
                                    const std::vector<SweepCandidate>& candidates);

// Deletes "contact.tsv", "3rdparty.tsv", "cardhdr.tsv" and "publist.xml";
// missing files are fine. Returns the failures.
std::vector<Message> DeleteExportLeftovers(const platform::Path& folder);

}  // namespace ledra::store
