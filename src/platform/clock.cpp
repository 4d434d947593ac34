#include "platform/clock.h"

#include <charconv>
#include <chrono>
#include <ctime>

namespace ledra {

Date SystemClock::Today() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::optional<Date> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto number = [&](size_t pos, size_t len, int& out) {
    auto [p, ec] = std::from_chars(text.data() + pos, text.data() + pos + len, out);
    return ec == std::errc{} && p == text.data() + pos + len;
  };
  Date d;
  if (!number(0, 4, d.year) || !number(5, 2, d.month) || !number(8, 2, d.day)) return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year{d.year},
                                        std::chrono::month{static_cast<unsigned>(d.month)},
                                        std::chrono::day{static_cast<unsigned>(d.day)}};
  if (!ymd.ok() || d.year < 1950 || d.year > 2199) return std::nullopt;
  return d;
}

bool TodayCountable(const Date& today) {
  return today >= Date{2001, 1, 1} && today <= Date{2199, 12, 31};
}

}  // namespace ledra
