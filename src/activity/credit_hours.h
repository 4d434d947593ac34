#pragma once
// A regular pioneer's credit hours for a month: hours and credit stay within
// 55 a month; a remark that begins with a number sets the credit, a "*" near
// its start lets up to 40 credit hours stand beyond the limit, and a "!" among
// its first six characters turns every limit off.

#include <string>

namespace ledra::activity {

struct Credit {
  int credit = 0;
  std::string remark;  // ANSI; filled in with the credit when it was empty
  bool operator==(const Credit&) const = default;
};

Credit CreditHours(int hours, int stored_credit, std::string remark);

}  // namespace ledra::activity
