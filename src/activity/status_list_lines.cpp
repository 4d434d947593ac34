// The lines of each status list, in the order of the list they come from.

#include <algorithm>
#include <unordered_map>

#include "activity/sheet_list.h"
#include "activity/status_list.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {
namespace {

using Kind = StatusListKind;
using store::PublisherRecord;

constexpr int kGroupNumberPrefix = 26041;  // "Grupo #"
constexpr int kConsentKind = 20;
constexpr int kAuxiliaryPioneer = 1;
constexpr int kRegularPioneer = 2;
constexpr int kSpecialPioneer = 3;

struct BaptismRange {
  int low, high;
};
constexpr BaptismRange kBaptismRanges[] = {{0, 1},   {0, 4},   {5, 9},   {10, 19}, {20, 29},
                                           {30, 39}, {40, 49}, {50, 59}, {60, 100}};

std::string ShortMonth(int month_number) {  // 1-12; 0 gives an empty text
  if (month_number < 1 || month_number > 12) return {};
  return Strings().Get(str::kShortMonthJanuary + month_number - 1);
}

std::string Trimmed(std::string text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// An "MMDDYYYY" date as day, short month and year (month first on request);
// empty when the text is no such date.
std::string DateText(const std::string& text, bool month_first) {
  if (text.size() < 8 ||
      !std::all_of(text.begin(), text.begin() + 8, [](char c) { return c >= '0' && c <= '9'; }))
    return {};
  const int month = std::stoi(text.substr(0, 2));
  const std::string day = std::to_string(std::stoi(text.substr(2, 2)));
  const std::string year = text.substr(4, 4);
  const std::string name = ShortMonth(month);
  if (name.empty()) return {};
  return month_first ? Strings().Format(str::kStatusDate, {name, day, year})
                     : Strings().Format(str::kStatusDate, {day, name, year});
}

// The appointment entries of one kind by person id, the first of each id
// winning; built once per list rather than searched per person.
class EntriesOfKind {
 public:
  EntriesOfKind(const store::CongregationDatabase& db, int kind) {
    for (const auto& e : db.side.appointments)
      if (e.kind() == kind) by_id_.emplace(e.id(), &e);
  }
  const store::AppointmentEntry* Find(std::uint16_t id) const {
    const auto it = by_id_.find(id);
    return it == by_id_.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<std::uint16_t, const store::AppointmentEntry*> by_id_;
};

// Whether the record holds an appointment of the privileges dialog (kinds 1-7).
bool HoldsAppointment(const store::CongregationDatabase& db, const PublisherRecord& p, int kind) {
  const int slot = store::MonthSlot(db.month().report_month_index, db.month().report_year);
  const int servant = p.attribute_flags() & store::attr::kServantMask;
  switch (kind) {
    case 1:
      return servant == 1;
    case 2:
      return servant == 2;
    case 3:
      return (p.pioneer_code(slot) & 3) == kRegularPioneer;
    case 4:
      return (p.attribute_flags() & store::attr::kRegularAuxiliary) != 0;
    case 5:
      return (p.pioneer_code(slot) & 3) == kSpecialPioneer;
    case 6:
      return (p.appointment_bits() & store::kAppointmentSpecialServant) != 0;
    case 7:
      return (p.appointment_bits() & store::kAppointmentFieldMissionary) != 0;
    default:
      return false;
  }
}

std::string PhoneText(const PublisherRecord& p) {
  const std::string home = p.Text(store::field::kPhone);
  const std::string mobile = p.Text(store::field::kPhone2);
  if (home.empty()) return mobile;
  if (mobile.empty()) return home;
  return home + "\t" + mobile;
}

int ReportSlotFor(const store::CongregationDatabase& db, int month_index) {
  // A month later in the calendar than the ReportMonth is last year's.
  int parity = store::Parity(db.month().report_year);
  if (month_index > db.month().report_month_index) parity = 1 - parity;
  return month_index * 3 + parity;
}

}  // namespace

std::vector<StatusLine> StatusList::Lines(const StatusListChoice& choice) const {
  const bool surname_first = !db_.sort_by_first_name;
  const CalendarMonth report = ReportCalendarMonth(db_);
  std::vector<StatusLine> lines;
  auto over = [&](store::ListType type, auto&& line_of) {
    for (const store::IndexEntry& e : db_.status_list(type)) {
      const PublisherRecord& p = db_.row(e.row);
      if (ChoosesGroup(choice.kind) && choice.group != 0 && p.group() != choice.group) continue;
      std::optional<std::string> text = line_of(p, db_.DisplayName(e.row, surname_first));
      if (text) lines.push_back({p.id(), e.row, std::move(*text)});
    }
  };
  auto tab = [](const std::string& name, const std::string& text) {
    return Strings().Format(str::kStatusLineTab, {name, text});
  };
  using Line = std::optional<std::string>;
  const auto active = store::ListType::kActive;

  switch (choice.kind) {
    case Kind::kNotReported:
    case Kind::kCollectionForm: {
      const int month = choice.month_index < 0 ? report.month_index : choice.month_index;
      const int slot = ReportSlotFor(db_, month);
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        if (choice.kind == Kind::kNotReported &&
            (SlotHasReport(p, slot) || SlotHasRemark(db_, p, slot)))
          return std::nullopt;
        if (choice.group != 0) return tab(name, PhoneText(p));
        return Strings().Format(str::kStatusLineWithGroup,
                                {name, std::to_string(p.group()), PhoneText(p)});
      });
      break;
    }
    case Kind::kIrregular:
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        const auto missing = MissingMonths(db_, p);
        if (missing.empty()) return std::nullopt;
        std::string text = name;
        for (int m = 0; m < 12; ++m) {
          const auto it = std::ranges::find(missing, m, &CalendarMonth::month_index);
          if (it == missing.end()) continue;
          text += "\t" + ShortMonth(m + 1);
          if (SlotHasRemark(db_, p, it->slot())) text += "!";
        }
        return text;
      });
      break;
    case Kind::kNew:
    case Kind::kReactivated: {
      const int change = choice.kind == Kind::kNew ? kChangeNew : kChangeReactivated;
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        const auto when = StatusInPeriod(db_, p, change, choice.period);
        if (!when) return std::nullopt;
        const std::string month = when->month >= 1 ? MonthName(when->month - 1) : "";
        return Strings().Format(str::kStatusLineYearMonth,
                                {name, std::to_string(when->year), month});
      });
      break;
    }
    case Kind::kInactive:
      over(store::ListType::kInactive,
           [&](const PublisherRecord& p, const std::string& name) -> Line {
             const bool over_twelve = choice.period == StatusPeriod::kOverTwelveMonths;
             const StatusPeriod period = over_twelve ? StatusPeriod::kTwelveMonths : choice.period;
             const int month = InactiveMonth(db_, p, period);
             if (over_twelve ? month != 0 : (month == 0 && choice.period != StatusPeriod::kAll))
               return std::nullopt;
             const std::string since = Strings().Format(
                 str::kStatusYearAndMonth,
                 {std::to_string(InactiveYear(p.status_copy())), ShortMonth(month)});
             return Strings().Format(
                 str::kStatusLineInactive,
                 {name, since, Strings().Get(kGroupNumberPrefix), std::to_string(p.group())});
           });
      break;
    case Kind::kMoved:
      over(store::ListType::kMoved, [&](const PublisherRecord& p, const std::string& name) -> Line {
        const int month = MovedMonth(db_, p, choice.period);
        if (month == 0) return std::nullopt;
        return tab(name, ShortMonth(month));
      });
      break;
    case Kind::kBaptised: {
      const BaptismRange range = kBaptismRanges[choice.selection];
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        const auto years = YearsSinceBaptism(db_, p);
        if (!years || *years < range.low || *years > range.high) return std::nullopt;
        return tab(name, p.Text(store::field::kBapdate));
      });
      break;
    }
    case Kind::kAuxiliary:
    case Kind::kConductors: {
      const auto walk = PeriodWalk(db_, choice.period);
      const bool auxiliary = choice.kind == Kind::kAuxiliary;
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        auto counts = [&](const CalendarMonth& m) {
          if (auxiliary) return (p.pioneer_code(m.slot()) & 3) == kAuxiliaryPioneer;
          return (p.word(store::SlotWords::kStudiesWord, m.slot()) &
                  store::studies::kStudiesMask) != 0;
        };
        if (std::ranges::none_of(walk, counts)) return std::nullopt;
        if (!auxiliary && counts(report)) return tab(name, MonthName(report.month_index));
        return name;
      });
      break;
    }
    case Kind::kUnbaptised:
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        if (!Trimmed(p.Text(store::field::kBapdate)).empty()) return std::nullopt;
        return name;
      });
      break;
    case Kind::kStudents:
      over(store::ListType::kNonPublisher,
           [&](const PublisherRecord&, const std::string& name) -> Line { return name; });
      break;
    case Kind::kPrivileges: {
      const int appointment = Appointments()[static_cast<std::size_t>(choice.selection)];
      const EntriesOfKind entries(db_, appointment);
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        if (!HoldsAppointment(db_, p, appointment)) return std::nullopt;
        const auto* entry = entries.Find(p.id());
        const std::string date = entry ? DateText(entry->start(), db_.sort_by_first_name) : "";
        return date.empty() ? name : tab(name, date);
      });
      break;
    }
    case Kind::kConsent:
    case Kind::kNoConsent: {
      const bool with = choice.kind == Kind::kConsent;
      const EntriesOfKind entries(db_, kConsentKind);
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        const auto* entry = entries.Find(p.id());
        if ((entry != nullptr) != with) return std::nullopt;
        const std::string date = entry ? DateText(entry->start(), db_.sort_by_first_name) : "";
        return date.empty() ? name : tab(name, date);
      });
      break;
    }
    case Kind::kSpecialNeeds: {
      const unsigned bit = 1u << NeedsPresent()[static_cast<std::size_t>(choice.selection)];
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        if ((p.special_ministry_bits() & bit) == 0) return std::nullopt;
        return name;
      });
      break;
    }
    case Kind::kSpecialCategory:
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        if ((p.attribute_flags() & store::attr::kSpecialCategory) == 0) return std::nullopt;
        return name;
      });
      break;
    case Kind::kInactiveCandidates:
      over(active, [&](const PublisherRecord& p, const std::string& name) -> Line {
        if (!IsInactiveCandidate(db_, p)) return std::nullopt;
        return name;
      });
      break;
  }
  return lines;
}

}  // namespace ledra::activity
