#pragma once
// "Mudados": the publishers who moved away, with the month they left, and
// those who can move (active and inactive publishers).

#include <string>
#include <vector>

#include "records/inactive_list.h"

namespace ledra::records {

class MovedListModel {
 public:
  explicit MovedListModel(const store::CongregationDatabase& db) : db_(db) {}

  std::vector<ListEntry> left() const;   // moved, "name\tmonth"
  std::vector<ListEntry> right() const;  // active, then inactive
  // "< < &Mudar < <" works only while fewer than 199 have moved.
  bool can_move() const;
  // "Deseja realmente inverter a mudança de %1?"
  std::string undo_question(int row) const;

 private:
  const store::CongregationDatabase& db_;
};

}  // namespace ledra::records
