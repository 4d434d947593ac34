#include "activity/month_calendar.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

int PreviousSlot(int month_index, int parity) {
  if (month_index == 0) return 11 * 3 + (1 - parity);
  return (month_index - 1) * 3 + parity;
}

std::string MonthName(int month_index) {
  return Strings().Get(str::kMonthJanuary + ((month_index % 12) + 12) % 12);
}

}  // namespace ledra::activity
