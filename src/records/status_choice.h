#pragma once
// "Situação de %1": how a person came to the congregation's active list.

#include <string>

#include "store/congregation_database.h"

namespace ledra::records {

enum class StatusKind { kNew, kRegularTransferred, kIrregularTransferred, kReactivated, kClear };

class StatusChoice {
 public:
  StatusChoice(const store::CongregationDatabase& db, const store::PublisherRecord& rec);

  std::string title(std::string_view name) const;
  StatusKind kind = StatusKind::kNew;
  int month = 1;             // 1-12
  bool current_year = true;  // the two-row year list: previous or current

  bool month_visible() const;
  bool year_visible() const;
  // The two year rows (four digits), previous first.
  int previous_year() const { return 1999 + report_year_; }
  int this_year() const { return 2000 + report_year_; }

  // Writes StatusChange, its copy and the status month counter.
  void Apply(store::PublisherRecord& rec) const;

 private:
  int report_year_;
  int report_counter_;
};

}  // namespace ledra::records
