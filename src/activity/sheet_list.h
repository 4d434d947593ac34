#pragma once
// The list of the open month's sheets: the active publishers in list order,
// narrowed to one field service group or to those with nothing entered yet,
// with its caption and the entered-up-to marker.

#include <cstdint>
#include <string>
#include <vector>

#include "store/congregation_database.h"

namespace ledra::activity {

struct SheetLine {
  std::uint16_t id = 0;
  int row = 0;
  std::string name;  // ANSI
};

// Whether a slot holds a report: hours, the participated mark or quarter hours.
bool SlotHasReport(const store::PublisherRecord& p, int slot);
// Whether a slot's remark reference points at a remark with text.
bool SlotHasRemark(const store::CongregationDatabase& db, const store::PublisherRecord& p,
                   int slot);

class SheetList {
 public:
  explicit SheetList(const store::CongregationDatabase& db) : db_(db) {}

  // 0 = the whole congregation, else a group number 1..n.
  void set_group(int group) { group_ = group; }
  int group() const { return group_; }
  void set_missing_only(bool on) { missing_only_ = on; }
  bool missing_only() const { return missing_only_; }

  std::vector<SheetLine> Lines() const;
  // "Congregação", then one label per group.
  std::vector<std::string> GroupChoices() const;
  std::string Caption() const;
  // The entered-up-to marker's display name, empty when none.
  std::string EnteredUpTo() const;

 private:
  const store::CongregationDatabase& db_;
  int group_ = 0;
  bool missing_only_ = false;
};

}  // namespace ledra::activity
