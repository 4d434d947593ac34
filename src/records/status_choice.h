#pragma once
// "Situação de %1": how a person came to the congregation's active list.

#include <cstdint>
#include <string>

#include "store/congregation_database.h"

namespace ledra::records {

enum class StatusKind { kNew, kRegularTransferred, kIrregularTransferred, kReactivated, kClear };

class StatusChoice {
 public:
  // Opens on the person's current status; one with none opens on "no status",
  // except a person being added, who opens as new.
  StatusChoice(const store::CongregationDatabase& db, const store::PublisherRecord& rec,
               bool adding = false);

  std::string title(std::string_view name) const;
  StatusKind kind = StatusKind::kNew;
  int month = 1;             // 1-12
  bool current_year = true;  // the two-row year list: previous or current

  bool month_visible() const;
  bool year_visible() const;
  // The two year rows (four digits), previous first.
  int previous_year() const { return 1999 + report_year_; }
  int this_year() const { return 2000 + report_year_; }

  // Writes StatusChange, its copy and the status month counter; a choice left
  // as it opened changes nothing.
  void Apply(store::PublisherRecord& rec) const;

 private:
  bool unchanged(const store::PublisherRecord& rec) const;

  bool adding_;
  StatusKind opened_kind_ = StatusKind::kNew;
  int opened_month_ = 1;
  bool opened_current_year_ = true;
  // The status bytes it opened on.
  std::uint8_t opened_change_ = 0, opened_copy_ = 0;
  std::uint16_t opened_counter_ = 0;
  int report_year_;
  int report_counter_;
};

}  // namespace ledra::records
