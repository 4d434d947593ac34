#include "activity/credit_hours.h"

#include <algorithm>
#include <cctype>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

namespace {

bool IsDigit(char ch) {
  return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}

}  // namespace

Credit CreditHours(int h, int c, std::string r) {
  if (h > 54) c = 0;
  if (c != 0 && c > 55 - h) c = 55 - h;
  if (c != 0 && r.empty())
    r = Strings().Format(str::kSheetCreditRemark, {std::to_string(c)}) +
        Strings().Get(str::kSheetHours);
  if (!r.empty() && IsDigit(r[0])) {
    c = 0;
    for (std::size_t i = 0; i < 3 && i < r.size() && IsDigit(r[i]); ++i) c = c * 10 + (r[i] - '0');
    c = std::min(c, 255);
  }
  if (r.substr(0, 6).find('!') == std::string::npos) {
    const bool star = r.size() > 1 && r.substr(1, 4).find('*') != std::string::npos;
    const int e = star ? std::min(c, 40) : 0;
    if (h > 54 || e + h > 54) c = e;
    if (c != 0 && e != 0 && e + h <= 54 && c + h > 54) c = 55 - h;
    if (e == 0 && c != 0 && c > 55 - h) c = 55 - h;
  }
  return {c, std::move(r)};
}

}  // namespace ledra::activity
