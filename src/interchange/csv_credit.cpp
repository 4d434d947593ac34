#include "interchange/csv_credit.h"

#include <algorithm>

namespace ledra::interchange {
namespace {

constexpr int kLimit = 70;          // hours and credit stay below this
constexpr int kStarredCredit = 40;  // what a "*" lets stand beyond the limit
constexpr int kMaxNumber = 255;

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

int CreditHoursFromRemark(std::string_view remark, int hours) {
  remark = Trimmed(remark);
  if (remark.empty()) return 0;
  int n = 0;
  for (std::size_t i = 0; i < remark.size() && i < 3 && IsDigit(remark[i]); ++i)
    n = n * 10 + (remark[i] - '0');
  n = std::min(n, kMaxNumber);
  if (remark.substr(0, 6).find('!') != std::string_view::npos) return n;
  const bool starred = remark.size() > 1 && remark.substr(1, 4).find('*') != std::string_view::npos;
  const int m = starred ? std::min(n, kStarredCredit) : 0;
  const int h = hours;
  n = h < kLimit && m < n && h + m <= kLimit - 1 ? n : m;
  if (n != 0 && m != 0 && h + m <= kLimit - 1 && h + n > kLimit - 1) n = kLimit - h;
  if (m == 0 && n != 0 && kLimit - h < n) n = kLimit - h;
  return n;
}

}  // namespace ledra::interchange
