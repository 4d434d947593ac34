#pragma once
// The status lists of the View menu (the StatusListDialog's rules without
// its widgets): for a kind and a choice of month, period, group and selection,
// the caption, heading and lines exactly as the dialog lists them.

#include <cstdint>
#include <string>
#include <vector>

#include "activity/status_rules.h"
#include "platform/result.h"
#include "store/congregation_database.h"

namespace ledra::activity {

// The lists in the order of the first drop-down. The special category is
// number 15 in the drop-down when nobody has a special need (DialogNumber).
enum class StatusListKind {
  kNotReported = 0,
  kIrregular = 1,
  kNew = 2,
  kReactivated = 3,
  kInactive = 4,
  kMoved = 5,
  kBaptised = 6,
  kAuxiliary = 7,
  kConductors = 8,
  kUnbaptised = 9,
  kStudents = 10,
  kCollectionForm = 11,
  kPrivileges = 12,
  kConsent = 13,
  kNoConsent = 14,
  kSpecialNeeds = 15,
  kSpecialCategory = 16,
  // The inactive editor's " Sem Actividade há 6 Meses " side.
  kInactiveCandidates = 17,
};

struct StatusListChoice {
  StatusListKind kind = StatusListKind::kNotReported;
  int month_index = -1;  // not reported and the collection form; -1 = the ReportMonth
  StatusPeriod period = StatusPeriod::kSixMonths;
  int group = 0;      // 0 = the congregation
  int selection = 0;  // row of the selection list (baptism range, appointment, need)
};

struct StatusLine {
  std::uint16_t id = 0;
  int row = 0;
  std::string text;  // ANSI, tabs included
};

struct StatusListPage {
  std::string caption;
  std::string heading;
  std::vector<StatusLine> lines;
  std::vector<int> tab_stops;  // dialog units
};

// The options that shape the lists offered.
struct StatusListOptions {
  bool special_category_enabled = false;
  std::string special_category;  // ANSI
};

class StatusList {
 public:
  explicit StatusList(const store::CongregationDatabase& db, StatusListOptions options = {});

  // Whether the first drop-down offers the kind now.
  bool Offered(StatusListKind kind) const;
  // The kind's number in the first drop-down (15 + s for the special category).
  int DialogNumber(StatusListKind kind) const;
  // The first drop-down's text of a kind.
  std::string KindName(StatusListKind kind) const;
  // The second drop-down: the periods a kind offers (none for most kinds).
  static std::vector<StatusPeriod> Periods(StatusListKind kind);
  static std::string PeriodName(StatusPeriod period);
  // Whether the second drop-down holds the months.
  static bool ChoosesMonth(StatusListKind kind);
  // Whether the selection list holds "Congregação" and the groups.
  static bool ChoosesGroup(StatusListKind kind);
  // The selection list: the groups, baptism ranges, appointments or needs.
  std::vector<std::string> Selections(StatusListKind kind) const;

  // A choice the dialog could not make (period, group, row or month out of
  // range, a kind not offered) is refused with its message.
  Status Check(const StatusListChoice& choice) const;
  Result<StatusListPage> Build(const StatusListChoice& choice) const;
  // The "Copiar para Área de Transferência de Windows" text of the
  // not-reported list: CR LF line ends.
  Result<std::string> ClipboardText(const StatusListChoice& choice) const;

 private:
  std::string ListName(const StatusListChoice& choice) const;
  std::string Heading(const StatusListChoice& choice) const;
  std::string GroupLabel(int group) const;
  std::vector<int> Appointments() const;  // the kinds of the appointment rows
  std::vector<int> NeedsPresent() const;  // the bits of the needs rows
  std::vector<StatusLine> Lines(const StatusListChoice& choice) const;

  const store::CongregationDatabase& db_;
  StatusListOptions options_;
};

// Line tab stops of a kind, in dialog units.
std::vector<int> StatusTabStops(StatusListKind kind);

}  // namespace ledra::activity
