#include "records/household.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/publisher_chooser.h"

namespace ledra::records {

bool HasHouseholdMembers(const store::CongregationDatabase& db, std::uint16_t head) {
  if (head == 0) return false;
  for (int r = 1; r < db.count(); ++r)
    if (db.row(r).household() == head && db.row(r).id() != head) return true;
  return false;
}

void DissolveHousehold(store::CongregationDatabase& db, std::uint16_t head) {
  if (head == 0) return;
  for (int r = 1; r < db.count(); ++r) {
    if (db.row(r).household() == head) {
      db.row(r).SetU16(188, 0);
      db.modified = true;
    }
  }
}

HouseholdEditor::HouseholdEditor(store::CongregationDatabase& db, std::uint16_t head, bool can_edit)
    : db_(db), head_(head), can_edit_(can_edit) {}

std::string HouseholdEditor::title() const {
  return Strings().Get(str::kRecHouseholdTitle);
}

std::vector<PersonEntry> HouseholdEditor::members() const {
  std::vector<PersonEntry> out;
  for (int r = 1; r < db_.count(); ++r) {
    const auto& rec = db_.row(r);
    if (rec.household() == head_ && rec.id() != head_) out.push_back({rec.id(), ListName(db_, r)});
  }
  return out;
}

std::vector<PersonEntry> HouseholdEditor::candidates() const {
  std::vector<PersonEntry> out;
  for (int r = 1; r < db_.count(); ++r) {
    const auto& rec = db_.row(r);
    if (!rec.is(store::ListType::kActive) || rec.id() == head_ || rec.household() != 0) continue;
    if (rec.attribute_flags() & store::attr::kHeadOfFamily) continue;
    out.push_back({rec.id(), ListName(db_, r)});
  }
  return out;
}

bool HouseholdEditor::AddMember(std::uint16_t id) {
  const int r = db_.FindRow(id);
  if (!can_edit_ || r == 0 || id == head_) return false;
  db_.row(r).SetU16(188, head_);
  db_.modified = true;
  return true;
}

bool HouseholdEditor::RemoveMember(std::uint16_t id) {
  const int r = db_.FindRow(id);
  if (!can_edit_ || r == 0 || db_.row(r).household() != head_) return false;
  db_.row(r).SetU16(188, 0);
  db_.modified = true;
  return true;
}

}  // namespace ledra::records
