#pragma once
// The publisher record card as data: the header (name, dates, the ticked
// boxes) and the twelve months of a service year, September first, with which
// cells are printed. Drawing it, on screen or on paper, is the reports' job.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/document.h"
#include "store/settings.h"

namespace ledra::records {

// The service years ending in 2023 or before used the earlier card with its
// five counters.
inline constexpr int kLastEarlierCardYear = 2023;

struct CardMonth {
  int month_index = 8;  // 0 = January
  int year = 0;         // four digits
  // A month of the stored window that is not after the card's last month;
  // the others stay blank.
  bool filled = false;
  bool participated = false;
  bool auxiliary = false;  // PioneerCode 1
  int studies = 0;
  // The current card prints hours only for a field missionary or a month
  // whose PioneerCode is not 0.
  bool hours_shown = false;
  int hours = 0;
  int quarters = 0;  // 0-3
  // The earlier card's counters, and its "less than one hour".
  int publications = 0, videos = 0, return_visits = 0;
  bool less_than_hour = false;
  std::string remark;  // ANSI
};

// One service year's table.
struct CardYear {
  int service_year = 0;  // named by its last calendar year
  bool earlier = false;  // the earlier card's columns
  std::array<CardMonth, 12> months;
  // Current card: the hours shown. Earlier card: publications, videos, hours,
  // return visits, studies; their averages over the months reported.
  std::array<int, 5> totals{};
  int total_quarters = 0;
  std::array<double, 5> averages{};
  bool show_totals = true;
  bool show_averages = true;
};

struct RecordCard {
  std::uint16_t id = 0;
  std::string name;          // ANSI, as the lists show it
  std::string birth_date;    // "10/04/1961" or only the year
  std::string baptism_date;  // empty without one
  std::string group_name;    // empty unless the option is on and a group is set
  bool male = false, female = false;
  bool other_sheep = false, anointed = false;
  bool elder = false, ministerial_servant = false;
  bool regular_pioneer = false, special_pioneer = false, field_missionary = false;
  // The year chosen first; the other year below it unless one year a page.
  std::vector<CardYear> years;
};

struct CardRequest {
  int row = 0;
  bool previous_year = false;  // "Ano de serviço anterior"
  bool inactive = false;       // a card of the inactive file
  bool both_years = true;      // the other year below (printing without "OnePerPage")
};

// The service year of the ReportMonth (or, on the inactive file, of the
// month the publisher became inactive), minus the years shown back.
int CardServiceYear(const store::CongregationDatabase& db, const store::PublisherRecord& p,
                    bool inactive, int years_back);
// Whether that year takes the earlier card: it ended in 2023 or before, or
// it is the year of a past month viewed while the earlier form was in use.
bool EarlierCard(const store::CongregationDatabase& db, int service_year);

// "10/04/1961" from the stored date, day first with the alternate format,
// only the year when `year_only`; empty when no date is stored.
std::string CardDate(std::string_view stored, bool day_first, bool year_only);

RecordCard BuildRecordCard(const store::Document& doc, const store::Settings& settings,
                           const CardRequest& request);

}  // namespace ledra::records
