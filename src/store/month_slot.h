#pragma once
// Months as the data files count them. MonthIndex: 0 = January .. 11 =
// December; YearByte: calendar year - 2000; MonthCounter: YearByte * 12 +
// MonthIndex. Each per-month array holds 36 entries, three per calendar month:
// the current and the previous year told apart by the parity of the year.

namespace ledra::store {

inline constexpr int kSlotCount = 36;
// The last month of the old, detailed report form (September 2023).
inline constexpr int kNewFormSwitch = 284;

constexpr int Parity(int year_byte) {
  return ((year_byte % 2) + 2) % 2;
}
constexpr int MonthSlot(int month_index, int year_byte) {
  return month_index * 3 + Parity(year_byte);
}
constexpr int MonthCounter(int year_byte, int month_index) {
  return year_byte * 12 + month_index;
}
// The ServiceYear runs from September to August and is named by its last year.
constexpr int ServiceYear(int year_byte, int month_index) {
  return month_index < 8 ? 2000 + year_byte : 2001 + year_byte;
}
// MonthIndex (0-11) of `months_back` months before `month_index`.
constexpr int MonthsBack(int month_index, int months_back) {
  return (((month_index - months_back) % 12) + 12) % 12;
}

}  // namespace ledra::store
