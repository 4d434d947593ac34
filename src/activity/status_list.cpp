#include "activity/status_list.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {
namespace {

using Kind = StatusListKind;

constexpr int kBaptismRanges = 9;
constexpr int kGroupNumberPrefix = 26041;  // "Grupo #"
constexpr int kNeedNames = 26030;          // "Surdos", "Cegos", "Presos"

int KindNameId(Kind kind) {
  switch (kind) {
    case Kind::kIrregular:
      return str::kStatusIrregular;
    case Kind::kNew:
      return str::kStatusNew;
    case Kind::kReactivated:
      return str::kStatusReactivated;
    case Kind::kInactive:
      return str::kStatusInactive;
    case Kind::kMoved:
      return str::kStatusMoved;
    case Kind::kBaptised:
      return str::kStatusBaptised;
    case Kind::kAuxiliary:
      return str::kStatusAuxiliary;
    case Kind::kConductors:
      return str::kStatusConductors;
    case Kind::kUnbaptised:
      return str::kStatusUnbaptised;
    case Kind::kStudents:
      return str::kStatusStudents;
    case Kind::kCollectionForm:
      return str::kStatusCollectionForm;
    case Kind::kPrivileges:
      return str::kStatusPrivileges;
    case Kind::kConsent:
      return str::kStatusConsent;
    case Kind::kNoConsent:
      return str::kStatusNoConsent;
    case Kind::kInactiveCandidates:
      return str::kStatusInactiveCandidates;
    default:
      return 0;
  }
}

Message Refusal(int id, std::initializer_list<std::string_view> args) {
  return {id, Strings().Format(id, args)};
}

}  // namespace

StatusList::StatusList(const store::CongregationDatabase& db, StatusListOptions options)
    : db_(db), options_(std::move(options)) {}

bool StatusList::Offered(StatusListKind kind) const {
  if (kind == Kind::kSpecialNeeds) return !NeedsPresent().empty();
  if (kind == Kind::kSpecialCategory) return options_.special_category_enabled;
  return true;
}

int StatusList::DialogNumber(StatusListKind kind) const {
  if (kind == Kind::kSpecialCategory) return NeedsPresent().empty() ? 15 : 16;
  return static_cast<int>(kind);
}

std::string StatusList::KindName(StatusListKind kind) const {
  switch (kind) {
    case Kind::kNotReported:
      return Strings().Format(str::kStatusNotReported, {MonthName(db_.month().report_month_index)});
    case Kind::kSpecialNeeds: {
      std::string joined;
      for (int bit : NeedsPresent()) {
        if (!joined.empty()) joined += Strings().Get(str::kStatusNeedsJoin);
        joined += Strings().Get(kNeedNames + bit);
      }
      return joined;
    }
    case Kind::kSpecialCategory:
      return options_.special_category;
    default:
      return Strings().Get(KindNameId(kind));
  }
}

std::vector<StatusPeriod> StatusList::Periods(StatusListKind kind) {
  using P = StatusPeriod;
  switch (kind) {
    case Kind::kNew:
    case Kind::kReactivated:
      return {P::kSixMonths, P::kServiceYear, P::kTwelveMonths, P::kTwentyFourMonths};
    case Kind::kInactive:
      return {P::kSixMonths, P::kServiceYear, P::kTwelveMonths, P::kOverTwelveMonths, P::kAll};
    case Kind::kMoved:
    case Kind::kAuxiliary:
    case Kind::kConductors:
      return {P::kSixMonths, P::kServiceYear, P::kTwelveMonths};
    default:
      return {};
  }
}

std::string StatusList::PeriodName(StatusPeriod period) {
  return Strings().Get(str::kStatusPeriodSix + static_cast<int>(period));
}

bool StatusList::ChoosesMonth(StatusListKind kind) {
  return kind == Kind::kNotReported || kind == Kind::kCollectionForm;
}

bool StatusList::ChoosesGroup(StatusListKind kind) {
  switch (kind) {
    case Kind::kNotReported:
    case Kind::kIrregular:
    case Kind::kUnbaptised:
    case Kind::kStudents:
    case Kind::kCollectionForm:
    case Kind::kConsent:
    case Kind::kNoConsent:
    case Kind::kSpecialCategory:
      return true;
    default:
      return false;
  }
}

std::string StatusList::GroupLabel(int group) const {
  using Text = store::GroupTable::Text;
  const auto& groups = db_.side.groups;
  const std::string name = groups.text(group, Text::kName);
  if (groups.name_shown(group) == 1 && !name.empty()) return name;
  return Strings().Get(kGroupNumberPrefix) + " " + std::to_string(group);
}

std::vector<std::string> StatusList::Selections(StatusListKind kind) const {
  std::vector<std::string> rows;
  if (ChoosesGroup(kind)) {
    rows.push_back(Strings().Get(str::kSheetGroupAll));
    for (int g = 1; g <= db_.side.groups.count(); ++g) rows.push_back(GroupLabel(g));
  } else if (kind == Kind::kBaptised) {
    for (int i = 0; i < kBaptismRanges; ++i)
      rows.push_back(Strings().Get(str::kStatusBaptismRecent + i));
  } else if (kind == Kind::kPrivileges) {
    for (int k : Appointments())
      rows.push_back(Strings().Get(str::kStatusMinisterialServants + k - 1));
  } else if (kind == Kind::kSpecialNeeds) {
    for (int bit : NeedsPresent()) rows.push_back(Strings().Get(kNeedNames + bit));
  }
  return rows;
}

std::vector<int> StatusList::Appointments() const {
  std::vector<int> kinds{1, 2, 3, 4, 5};
  bool servants = false, missionaries = false;
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive)) {
    const auto bits = db_.row(e.row).appointment_bits();
    servants = servants || (bits & store::kAppointmentSpecialServant) != 0;
    missionaries = missionaries || (bits & store::kAppointmentFieldMissionary) != 0;
  }
  if (servants) kinds.push_back(6);
  if (missionaries) kinds.push_back(7);
  return kinds;
}

std::vector<int> StatusList::NeedsPresent() const {
  unsigned present = 0;
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive))
    present |= db_.row(e.row).special_ministry_bits() & 0x7u;
  std::vector<int> bits;
  for (int bit = 0; bit < 3; ++bit)
    if ((present & (1u << bit)) != 0) bits.push_back(bit);
  return bits;
}

Status StatusList::Check(const StatusListChoice& choice) const {
  const Kind kind = choice.kind;
  if (!Offered(kind))
    return Refusal(
        kind == Kind::kSpecialNeeds ? str::kCliNoSpecialNeeds : str::kCliNoSpecialCategory, {});
  const auto periods = Periods(kind);
  if (!periods.empty() && std::ranges::find(periods, choice.period) == periods.end()) {
    std::string names;
    for (StatusPeriod p : periods) names += (names.empty() ? "" : ", ") + PeriodName(p);
    return Refusal(str::kCliNoSuchPeriod, {PeriodName(choice.period), names});
  }
  if (ChoosesMonth(kind) && (choice.month_index < -1 || choice.month_index > 11))
    return Refusal(str::kCliNoSuchMonth, {std::to_string(choice.month_index + 1)});
  const int groups = db_.side.groups.count();
  if (ChoosesGroup(kind) && (choice.group < 0 || choice.group > groups))
    return Refusal(str::kCliNoSuchGroup, {std::to_string(choice.group), std::to_string(groups)});
  if (!ChoosesGroup(kind)) {
    const auto rows = static_cast<int>(Selections(kind).size());
    if (rows > 0 && (choice.selection < 0 || choice.selection >= rows))
      return Refusal(str::kCliNoSuchChoice,
                     {std::to_string(choice.selection), std::to_string(rows - 1)});
  }
  return Status::Ok();
}

std::string StatusList::ListName(const StatusListChoice& choice) const {
  // The list of another month is named after the month it shows.
  if (choice.kind == Kind::kNotReported && choice.month_index >= 0)
    return Strings().Format(str::kStatusNotReported, {MonthName(choice.month_index)});
  return KindName(choice.kind);
}

std::string StatusList::Heading(const StatusListChoice& choice) const {
  if (ChoosesGroup(choice.kind)) {
    if (choice.group == 0) return Strings().Get(str::kSheetGroupAll);
    const std::string overseer =
        db_.side.groups.text(choice.group, store::GroupTable::Text::kOverseer);
    return Strings().Format(str::kStatusGroupHeading, {GroupLabel(choice.group), overseer});
  }
  if (!Periods(choice.kind).empty()) return PeriodName(choice.period);
  const auto rows = Selections(choice.kind);
  if (choice.selection >= 0 && choice.selection < static_cast<int>(rows.size()))
    return rows[static_cast<std::size_t>(choice.selection)];
  return {};
}

Result<StatusListPage> StatusList::Build(const StatusListChoice& choice) const {
  if (Status ok = Check(choice); !ok) return ok.error();
  StatusListPage page;
  page.lines = Lines(choice);
  page.caption = Strings().Format(str::kStatusCaptionCount,
                                  {ListName(choice), std::to_string(page.lines.size())});
  page.heading = Heading(choice);
  page.tab_stops = StatusTabStops(choice.kind);
  return page;
}

Result<std::string> StatusList::ClipboardText(const StatusListChoice& choice) const {
  if (Status ok = Check(choice); !ok) return ok.error();
  constexpr std::string_view kEnd = "\r\n";
  std::string text = ListName(choice);
  text += kEnd;
  if (choice.group == 0) {
    text += Strings().Get(str::kSheetGroupAll);
  } else {
    text +=
        GroupLabel(choice.group) + "  " +
        Strings().Format(str::kStatusOverseer,
                         {db_.side.groups.text(choice.group, store::GroupTable::Text::kOverseer)});
  }
  text += kEnd;
  text += kEnd;
  for (const StatusLine& line : Lines(choice)) {
    const store::PublisherRecord& p = db_.row(line.row);
    text +=
        db_.DisplayName(line.row, !db_.sort_by_first_name) + "   " + p.Text(store::field::kPhone);
    for (const auto field : {store::field::kPhone2, store::field::kPhone3}) {
      const std::string phone = p.Text(field);
      if (!phone.empty()) text += " " + phone;
    }
    text += kEnd;
  }
  text += kEnd;
  text += kEnd;
  return text;
}

std::vector<int> StatusTabStops(StatusListKind kind) {
  switch (kind) {
    case Kind::kNotReported:
    case Kind::kCollectionForm:
      return {110, 170};
    case Kind::kIrregular:
      return {100, 120, 140, 160, 180, 200};
    case Kind::kInactive:
      return {100, 150};
    case Kind::kAuxiliary:
    case Kind::kUnbaptised:
    case Kind::kSpecialNeeds:
    case Kind::kSpecialCategory:
    case Kind::kInactiveCandidates:
      return {};
    default:
      return {100};
  }
}

}  // namespace ledra::activity
