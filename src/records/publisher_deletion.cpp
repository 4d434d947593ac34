#include "records/publisher_deletion.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/appointment_entries.h"
#include "records/household.h"

namespace ledra::records {

DeletionDialog OpenDeletion(const store::Document& doc, int row) {
  const auto& db = doc.db();
  DeletionDialog d;
  if (row > 0 && row < db.count()) {
    const auto ext = doc.ReadExtension(row);
    d.caption = ext && !ext->longname().empty() ? ext->longname() : db.DisplayName(row, false);
  }
  d.last_year = 2000 + db.month().report_year;
  d.choice.month = db.month().report_month_index + 1;
  d.choice.year = d.last_year;
  return d;
}

std::uint16_t DeletionDateWord(int month, int year) {
  return static_cast<std::uint16_t>((month & 0xFF) + ((year - kFirstDeletionYear) & 0xFF) * 256);
}

Status DeletePublisher(store::Document& doc, int row, const DeletionChoice& choice,
                       Prompter& prompter) {
  auto& db = doc.db();
  if (row <= 0 || row >= db.count() || doc.read_only()) return {};
  const std::uint16_t id = db.row(row).id();
  if (choice.temporary) {
    if (db.CountList(store::ListType::kDeleted) >= kMaxDeleted) {
      return Message{str::kRecDeletedListFull,
                     Strings().Format(str::kRecDeletedListFull, {std::to_string(kMaxDeleted)})};
    }
    auto& rec = db.row(row);
    rec.SetU8(201, 0);
    rec.SetU8(239, rec.attribute_flags() &
                       (store::attr::kHeadOfFamily | store::attr::kMale | store::attr::kFemale));
    rec.set_list_type(store::ListType::kDeleted);
    rec.SetU16(192, DeletionDateWord(choice.month, choice.year));
  }
  RemoveAppointmentsOf(db.side.appointments, id);
  DissolveHousehold(db, id);
  Status result;
  if (!choice.temporary) {
    db.RemoveRow(row);
    // A later person given the same id must not inherit the remarks.
    result = doc.RemoveRemarksOf(id);
  }
  db.modified = true;
  db.RebuildIndexes(prompter);
  return result;
}

}  // namespace ledra::records
