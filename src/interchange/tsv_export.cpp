#include "interchange/tsv_export.h"

#include "interchange/export_lines.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/person_side_records.h"

namespace ledra::interchange {
namespace {

using store::ListType;
using store::PublisherRecord;

constexpr char kTab = '\t';
constexpr std::uint16_t kFirstHouseholdId = 10;
constexpr std::uint8_t kAnointedMark = 65;  // 'A'

const std::string& S(int id) {
  return Strings().Get(id);
}

std::string DisplayName(const store::CongregationDatabase& db, int row) {
  return db.DisplayName(row, !db.sort_by_first_name);
}

// The full name from the extension record, else the display name.
std::string LongOrDisplayName(const store::CongregationDatabase& db, int row) {
  const store::ExtensionRecord* e = store::ExtensionOf(db, db.row(row));
  if (e != nullptr && !e->longname().empty()) return e->longname();
  return DisplayName(db, row);
}

std::string EmailOf(const store::CongregationDatabase& db, const PublisherRecord& p) {
  const store::ExtensionRecord* e = store::ExtensionOf(db, p);
  return e != nullptr ? e->email() : std::string();
}

// The other members of the household a publisher heads.
std::string FamilyOf(const store::CongregationDatabase& db, int row) {
  const std::uint16_t id = db.row(row).id();
  std::string text;
  if (id == 0) return text;
  for (int r = 1; r < db.count(); ++r) {
    if (r == row || db.row(r).household() != id) continue;
    // Names shown surname first hold a comma themselves.
    if (!text.empty()) text += "; ";
    text += DisplayName(db, r);
  }
  return text;
}

int Digits(std::string_view text, std::size_t at, std::size_t n) {
  if (text.size() < at + n) return -1;
  int v = 0;
  for (std::size_t i = at; i < at + n; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    v = v * 10 + (text[i] - '0');
  }
  return v;
}

std::string Two(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

std::string CardDateText(std::string_view stored, bool day_first, bool year_only) {
  const int m = Digits(stored, 0, 2), d = Digits(stored, 2, 2), y = Digits(stored, 4, 4);
  if (m < 1 || m > 12 || d < 1 || d > 31 || y < 1) return {};
  if (year_only) return std::to_string(y);
  return day_first ? Two(d) + "/" + Two(m) + "/" + std::to_string(y)
                   : Two(m) + "/" + Two(d) + "/" + std::to_string(y);
}

std::string BuildContactsTsv(const store::Document& doc) {
  const store::CongregationDatabase& db = doc.db();
  ExportLine header(kTab);
  for (int id : {str::kExportName, str::kExportAddress, str::kExportPhone, str::kExportMobile,
                 str::kExportPhone3, str::kExportEmail, str::kExportOtherInfo, str::kExportGroup})
    header.Label(S(id));
  std::string out = header.End();
  namespace f = store::field;
  for (const store::IndexEntry& e : db.status_list(ListType::kActive)) {
    const PublisherRecord& p = db.row(e.row);
    const store::ExtensionRecord* x = store::ExtensionOf(db, p);
    ExportLine line(kTab);
    line.Plain(LongOrDisplayName(db, e.row))
        .Plain(p.Text(f::kAddr))
        .Plain(p.Text(f::kPhone))
        .Plain(p.Text(f::kPhone2))
        .Plain(p.Text(f::kPhone3))
        .Plain(x != nullptr ? x->email() : "")
        .Plain(x != nullptr ? x->extra() : "")
        .Number(p.group());
    out += line.End();
  }
  return out;
}

std::string BuildEmergencyTsv(const store::Document& doc) {
  const store::CongregationDatabase& db = doc.db();
  ExportLine header(kTab);
  for (int id : {str::kExportName, str::kExportAddress, str::kExportPhone, str::kExportMobile,
                 str::kExportPhone3, str::kExportEmail, str::kExportFamily, str::kExportContact})
    header.Label(S(id));
  for (int id : {str::kExportPhone, str::kExportMobile, str::kExportPhone3})
    header.Label(S(str::kExportContactPrefix) + S(id));
  header.Label(S(str::kExportNeeds)).Label(S(str::kExportGroup));
  std::string out = header.End();
  namespace f = store::field;
  for (int r = 1; r < db.count(); ++r) {
    const PublisherRecord& p = db.row(r);
    const bool active = p.is(ListType::kActive);
    if (!active && !p.is(ListType::kInactive) && !p.is(ListType::kNonPublisher)) continue;
    const bool marked = (p.attribute_flags() & store::attr::kHeadOfFamily) != 0;
    if (!active && !marked) continue;
    const store::EmergencyContact* contact =
        p.emergency_key() != 0 ? doc.FindContact(p.emergency_key()) : nullptr;
    const std::string family = FamilyOf(db, r);
    // A member of a household is listed with its head.
    if (p.household() >= kFirstHouseholdId && !marked && contact == nullptr && family.empty())
      continue;
    std::string name = LongOrDisplayName(db, r);
    if (!active)
      name = FormatPrintf(
          S(str::kExportListLetterFormat),
          {std::string_view(DisplayName(db, r)),
           std::string_view(S(p.is(ListType::kInactive) ? str::kExportInactiveLetter
                                                        : str::kExportStudentLetter))});
    ExportLine line(kTab);
    line.Plain(name)
        .Plain(p.Text(f::kAddr))
        .Plain(p.Text(f::kPhone))
        .Plain(p.Text(f::kPhone2))
        .Plain(p.Text(f::kPhone3))
        .Plain(EmailOf(db, p))
        .Plain(family)
        .Plain(contact != nullptr ? contact->name() : "")
        .Plain(contact != nullptr ? contact->home() : "")
        .Plain(contact != nullptr ? contact->mobile() : "")
        .Plain(contact != nullptr ? contact->work() : "")
        .Plain(store::NeedOf(db, p))
        .Number(p.group());
    out += line.End();
  }
  return out;
}

std::string BuildCardHeaderTsv(const store::Document& doc, bool hide_birth) {
  const store::CongregationDatabase& db = doc.db();
  ExportLine header(kTab);
  for (int id :
       {str::kExportName, str::kExportAddress, str::kExportPhone, str::kExportMobile,
        str::kExportBirthDate, str::kExportBaptismDate, str::kExportAnointed, str::kExportElder,
        str::kExportServant, str::kExportRegularPioneer, str::kExportMale})
    header.Label(S(id));
  std::string out = header.End();
  const bool day_first = db.side.shared_settings[store::shared::kAlternateDates] != 0;
  const int slot = store::MonthSlot(db.month().report_month_index, db.month().report_year);
  auto mark = [](bool on) { return on ? S(str::kExportYes) : std::string(); };
  namespace f = store::field;
  for (const store::IndexEntry& e : db.status_list(ListType::kActive)) {
    const PublisherRecord& p = db.row(e.row);
    const int servant = p.attribute_flags() & store::attr::kServantMask;
    ExportLine line(kTab);
    line.Plain(LongOrDisplayName(db, e.row))
        .Plain(p.Text(f::kAddr))
        .Plain(p.Text(f::kPhone))
        .Plain(p.Text(f::kPhone2))
        .Plain(CardDateText(p.Text(f::kBirdate), day_first, hide_birth))
        .Plain(CardDateText(p.Text(f::kBapdate), day_first, false))
        .Plain(mark(p.anointed_mark() == kAnointedMark))
        .Plain(mark(servant == 2))
        .Plain(mark(servant == 1))
        .Plain(mark((p.pioneer_code(slot) & 3) == 2))
        .Plain(mark((p.attribute_flags() & store::attr::kMale) != 0));
    out += line.End();
  }
  return out;
}

}  // namespace ledra::interchange
