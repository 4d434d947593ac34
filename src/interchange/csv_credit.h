#pragma once
// A regular pioneer's credit hours taken from the remark of a report read
// from a CSV file: the number the remark starts with, limited so that hours
// and credit stay below 70, unless a "*" near its start lets up to 40 credit
// hours stand beyond that, or a "!" among its first six characters takes the
// number as it is.

#include <string_view>

namespace ledra::interchange {

// `remark` ANSI; `hours` the slot's hours after the merge. 0 when the remark
// does not start with a digit.
int CreditHoursFromRemark(std::string_view remark, int hours);

}  // namespace ledra::interchange
