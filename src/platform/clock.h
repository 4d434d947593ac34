#pragma once
// Today's date, injectable so that tests and ledra-cli --today fix it.

#include <compare>
#include <optional>
#include <string_view>

namespace ledra {

struct Date {
  int year = 2000;
  int month = 1;  // 1-12
  int day = 1;    // 1-31
  auto operator<=>(const Date&) const = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date Today() const = 0;
};

class SystemClock final : public Clock {
 public:
  Date Today() const override;
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(Date d) : date_(d) {}
  Date Today() const override { return date_; }
  void Set(Date d) { date_ = d; }

 private:
  Date date_;
};

// "YYYY-MM-DD" with a real calendar day, or nothing.
std::optional<Date> ParseIsoDate(std::string_view text);

// Whether the data files can count months from `today`: the month counter of
// January 2001 is the first that they tell apart from "none", and the two-digit
// report year ends with 2199.
bool TodayCountable(const Date& today);

}  // namespace ledra
