#pragma once
// Households: a member's `household` holds the id of its head, whose head of
// family bit is set. "Membros da Família \ em Casa" edits them.

#include <cstdint>
#include <string>
#include <vector>

#include "store/congregation_database.h"

namespace ledra::records {

// Whether anyone else has `head` as household head.
bool HasHouseholdMembers(const store::CongregationDatabase& db, std::uint16_t head);
// Every member's household id becomes 0.
void DissolveHousehold(store::CongregationDatabase& db, std::uint16_t head);

struct PersonEntry {
  std::uint16_t id = 0;
  std::string name;  // ANSI
};

class HouseholdEditor {
 public:
  // `can_edit` is false when a member opens it (view only).
  HouseholdEditor(store::CongregationDatabase& db, std::uint16_t head, bool can_edit);

  std::string title() const;
  bool can_edit() const { return can_edit_; }
  std::vector<PersonEntry> members() const;
  // Active people who are in no household and head none.
  std::vector<PersonEntry> candidates() const;
  bool AddMember(std::uint16_t id);
  bool RemoveMember(std::uint16_t id);

 private:
  store::CongregationDatabase& db_;
  std::uint16_t head_;
  bool can_edit_;
};

}  // namespace ledra::records
