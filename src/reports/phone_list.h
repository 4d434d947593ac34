#pragma once
// The phone lists (kinds 50-53): who is listed, in one or two columns, and
// the drawing of the list on any canvas.

#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kPhoneListAll = 50;
inline constexpr int kPhoneListGroup = 51;
inline constexpr int kPhoneListServants = 52;
inline constexpr int kPhoneListPioneers = 53;

struct PhoneListPerson {
  std::string name;  // ANSI display name
  std::string home, mobile, work;
  // Other members of the household this person heads (whole-congregation list only).
  std::vector<std::string> household;
};

// The active publishers the kind keeps, in list order.
std::vector<PhoneListPerson> PhoneListPeople(const store::CongregationDatabase& db, int kind,
                                             int group, bool surname_first);
// Two columns when nobody listed has a mobile or work phone.
int PhoneListColumns(const std::vector<PhoneListPerson>& people);
// The subtitle of a kind: the group's name, the variant's name, or none.
std::string PhoneListSubtitle(const store::CongregationDatabase& db, int kind, int group);

// Names joined by ", " in lines no wider than `max_width`; a name wider than
// that stands alone on its line.
template <typename Measure>
std::vector<std::string> WrapNames(const std::vector<std::string>& names, int max_width,
                                   Measure&& width) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string piece = names[i] + (i + 1 < names.size() ? ", " : "");
    if (!line.empty() && width(line + piece) > max_width) {
      lines.push_back(line);
      line.clear();
    }
    line += piece;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Draws the list and returns its page count.
int DrawPhoneList(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
