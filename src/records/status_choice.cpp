#include "records/status_choice.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/month_slot.h"

namespace ledra::records {

StatusChoice::StatusChoice(const store::CongregationDatabase& db, const store::PublisherRecord& rec,
                           bool adding)
    : adding_(adding), report_year_(db.month().report_year), report_counter_(db.month().counter) {
  const std::uint8_t sc = rec.status_change();
  switch (sc & 0x0F) {
    case 1:
      kind = StatusKind::kNew;
      break;
    case 2:
      kind = StatusKind::kReactivated;
      break;
    case 4:
      kind = StatusKind::kRegularTransferred;
      break;
    default:
      if ((sc >> 4) != 0)
        kind = StatusKind::kIrregularTransferred;
      else
        kind = adding ? StatusKind::kNew : StatusKind::kClear;
  }
  const int counter = rec.status_counter();
  if (counter == 0 || counter < report_counter_ - 23 || counter > report_counter_) {
    month = db.month().report_month_index + 1;
    current_year = true;
  } else {
    month = counter % 12 + 1;
    current_year = counter / 12 == report_year_;
  }
  if ((sc >> 4) >= 1 && (sc >> 4) <= 12 && counter == 0) month = sc >> 4;
  opened_kind_ = kind;
  opened_month_ = month;
  opened_current_year_ = current_year;
  opened_change_ = sc;
  opened_copy_ = rec.status_copy();
  opened_counter_ = static_cast<std::uint16_t>(counter);
}

bool StatusChoice::unchanged(const store::PublisherRecord& rec) const {
  if (adding_ || kind != opened_kind_) return false;
  if (rec.status_change() != opened_change_ || rec.status_copy() != opened_copy_ ||
      rec.status_counter() != opened_counter_)
    return false;
  if (month_visible() && month != opened_month_) return false;
  return !year_visible() || current_year == opened_current_year_;
}

std::string StatusChoice::title(std::string_view name) const {
  return Strings().Format(str::kRecStatusTitle, {name});
}

bool StatusChoice::month_visible() const {
  return kind == StatusKind::kNew || kind == StatusKind::kRegularTransferred ||
         kind == StatusKind::kReactivated;
}

bool StatusChoice::year_visible() const {
  return kind == StatusKind::kNew || kind == StatusKind::kReactivated;
}

void StatusChoice::Apply(store::PublisherRecord& rec) const {
  if (unchanged(rec)) return;
  if (kind == StatusKind::kClear) {
    rec.SetU8(201, 0);
    rec.SetU8(238, 0);
    rec.SetU16(192, 0);
    return;
  }
  int code = 1;
  if (kind == StatusKind::kRegularTransferred) code = 4;
  if (kind == StatusKind::kIrregularTransferred) code = 0;
  if (kind == StatusKind::kReactivated) code = 2;
  auto sc = static_cast<std::uint8_t>((month << 4) | code);
  if (year_visible()) {
    const int year = current_year ? report_year_ : report_year_ - 1;
    rec.SetU16(192, static_cast<std::uint16_t>(store::MonthCounter(year, month - 1)));
  }
  // A status that began a year ago or more keeps no month.
  const int counter = rec.status_counter();
  if (counter != 0 && counter < report_counter_ - 11) sc &= 0x0F;
  rec.SetU8(201, sc);
  rec.SetU8(238, sc);
}

}  // namespace ledra::records
