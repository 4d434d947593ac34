#include "store/main_file_check.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::store {
namespace {

bool HasNonZeroByte(const platform::Path& file) {
  auto bytes = platform::ReadFileIfPresent(file);
  return bytes && std::any_of(bytes->begin(), bytes->end(), [](char c) { return c != 0; });
}

// A name field the editor could have written: terminated, no control bytes.
bool PlausibleText(const PublisherRecord& rec, TextField f) {
  for (std::size_t i = 0; i < f.size; ++i) {
    const std::uint8_t c = rec.bytes[f.offset + i];
    if (c == 0) return true;
    if (c < 0x20 || c == 0x7F) return false;
  }
  return false;
}

Message Damaged(const platform::Path& folder, int reason) {
  return Message{str::kMainFileDamaged,
                 Strings().Format(str::kMainFileDamaged,
                                  {platform::PathForMessage(folder / Strings().Get(str::kFileMain)),
                                   Strings().Get(reason)})};
}

}  // namespace

bool FolderHoldsPeople(const platform::Path& folder) {
  // Files written only for people (a save of an empty congregation writes
  // none of them, or only zeros).
  for (int id :
       {str::kFileExtensions, str::kFileEmergency, str::kFileSpecialNeeds, str::kFileAppointments,
        str::kFileRemarks, str::kFileParticipated, str::kFileTotalsCard, str::kFileGroups})
    if (HasNonZeroByte(folder / Strings().Get(id))) return true;
  if (platform::FileExists(folder / Strings().Get(str::kFileBackupHistory))) return true;
  const platform::Path roll = folder / Strings().Get(str::kFolderRoll);
  for (int n = 1; n <= 12; ++n) {
    const platform::Path copy =
        roll / FormatPrintf(Strings().Get(str::kFolderPastMonth), {static_cast<long long>(n)}) /
        Strings().Get(str::kFileMain);
    if (platform::FileSize(copy).value_or(0) > kRecordSize) return true;
  }
  return false;
}

std::optional<Message> CheckMainFile(const CongregationDatabase& db, const MainFileFacts& facts,
                                     const platform::Path& folder) {
  if (!facts.read_records || db.count() <= 1) {
    // A missing or short file starts a new congregation, unless the folder
    // kept one.
    if (db.count() <= 1 && FolderHoldsPeople(folder)) return Damaged(folder, str::kDamageNoPeople);
    return std::nullopt;
  }
  int blank = 0;
  int garbled = 0;
  for (int r = 1; r < db.count(); ++r) {
    const PublisherRecord& rec = db.row(r);
    if (rec.id() == 0 && rec.Text(field::kLname).empty() && rec.Text(field::kFname).empty())
      ++blank;
    if (!PlausibleText(rec, field::kLname) || !PlausibleText(rec, field::kFname)) ++garbled;
  }
  if (blank > 0) return Damaged(folder, str::kDamageBlankRecords);
  const int people = db.count() - 1;
  if (!header::PasswordFieldValid(db.header()) || garbled * 2 > people)
    return Damaged(folder, str::kDamageGarbled);
  return std::nullopt;
}

}  // namespace ledra::store
