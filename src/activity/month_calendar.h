#pragma once
// Months as the report month sees them: a MonthCounter with its month index,
// two-digit year and slot, the months around it and their names.

#include <string>

#include "store/month_slot.h"

namespace ledra::activity {

struct CalendarMonth {
  int month_index = 0;  // 0 = January .. 11 = December
  int year_byte = 0;    // calendar year - 2000

  static CalendarMonth FromCounter(int counter) { return {counter % 12, counter / 12}; }
  int counter() const { return store::MonthCounter(year_byte, month_index); }
  int parity() const { return store::Parity(year_byte); }
  int slot() const { return store::MonthSlot(month_index, year_byte); }
  int number() const { return month_index + 1; }  // 1-12
  CalendarMonth Previous() const { return FromCounter(counter() - 1); }
  CalendarMonth Next() const { return FromCounter(counter() + 1); }
  bool operator==(const CalendarMonth&) const = default;
};

// The slot of the month before (month index, parity): the same parity, except
// that the month before January is December of the other year.
int PreviousSlot(int month_index, int parity);

// "Janeiro" .. "Dezembro" (ANSI).
std::string MonthName(int month_index);

}  // namespace ledra::activity
