#pragma once
// The 8-character dates of a person (MMDDYYYY, spaces when not given) and the
// month/day/year lists they are picked from.

#include <string>
#include <string_view>

namespace ledra::records {

// 0 in any part means the row left blank.
struct DateParts {
  int month = 0;  // 1-12
  int day = 0;    // 1-31
  int year = 0;   // four digits
  bool complete() const { return month > 0 && day > 0 && year > 0; }
  bool operator==(const DateParts&) const = default;
};

inline constexpr std::size_t kDateLength = 8;

// Eight characters, or eight spaces unless month, day and year are all chosen.
std::string ComposeDate(DateParts parts);
// Reads a stored date; anything that is not a date gives blanks.
DateParts SplitDate(std::string_view text);

// The year list: the 121 years ending the year after the report year.
struct YearRange {
  int first = 0;
  int last = 0;
};
YearRange DateYearRange(int report_year_byte);

}  // namespace ledra::records
