#include "records/date_text.h"

#include <cstdio>

namespace ledra::records {
namespace {

int Digits(std::string_view text, std::size_t at, std::size_t n) {
  int v = 0;
  for (std::size_t i = at; i < at + n; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
    v = v * 10 + (text[i] - '0');
  }
  return v;
}

}  // namespace

std::string ComposeDate(DateParts p) {
  if (!p.complete() || p.month > 12 || p.day > 31 || p.year > 9999) return std::string(8, ' ');
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d%02d%04d", p.month, p.day, p.year);
  return buf;
}

DateParts SplitDate(std::string_view text) {
  const int m = Digits(text, 0, 2);
  const int d = Digits(text, 2, 2);
  const int y = Digits(text, 4, 4);
  if (m < 1 || m > 12 || d < 1 || d > 31 || y < 1) return {};
  return {m, d, y};
}

YearRange DateYearRange(int report_year_byte) {
  return {2000 + report_year_byte - 119, 2000 + report_year_byte + 1};
}

}  // namespace ledra::records
