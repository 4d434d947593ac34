#include "interchange/publist_export.h"

#include <cstdio>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/month_slot.h"
#include "store/person_side_records.h"

namespace ledra::interchange {
namespace {

using store::ListType;
using store::SlotWords;

constexpr std::size_t kRemarkLimit = 49;

// "MMDDYYYY" as "YYYY-MM-DD"; empty without a date.
std::string IsoDate(std::string_view stored) {
  const std::size_t last = stored.find_last_not_of(' ');
  if (last == std::string_view::npos || last + 1 <= 4 || stored.size() < 8) return {};
  return std::string(stored.substr(4, 4)) + "-" + std::string(stored.substr(0, 2)) + "-" +
         std::string(stored.substr(2, 2));
}

// The year an inactive record's year byte stands for.
int InactiveYear(std::uint8_t v) {
  return v <= 200 ? 2000 + v : 1744 + v;
}

struct InactiveSince {
  int month = 0;  // 1-12; 0 unknown
  int year = 0;
  bool known() const { return month >= 1 && month <= 12 && year > 0; }
};

InactiveSince SinceOf(const store::PublisherRecord& p) {
  return {p.status_change() >> 4, InactiveYear(p.status_copy())};
}

// The calendar year of slot (month index m, parity) as the file names it.
int SlotYear(const store::CongregationDatabase& db, PubListSection section, const InactiveSince& in,
             int m, int parity) {
  if (section == PubListSection::kInactive) {
    const int y = in.year;
    if (store::Parity(y - 2000) != parity) return y - 1;
    const bool this_year = y == 2000 + db.month().report_year;
    return this_year && m + 1 > in.month ? y - 2 : y;
  }
  const int yy = db.month().report_year;
  if (store::Parity(yy) != parity) return 2000 + yy - 1;
  return m <= db.month().report_month_index ? 2000 + yy : 2000 + yy - 2;
}

// The six months that end with the month of becoming inactive keep only
// their remark.
bool LeftOut(const InactiveSince& in, int m, int parity) {
  const int month = m + 1;
  const bool own = store::Parity(in.year - 2000) == parity;
  if (in.month > 6) return own && month >= in.month - 5 && month <= in.month;
  return own ? month <= in.month : month >= in.month + 7;
}

std::string HoursText(int hours, int quarters) {
  static constexpr const char* kFraction[] = {"", "\xBC", "\xBD", "\xBE"};
  return std::to_string(hours) + kFraction[quarters & 3];
}

void AppendMonth(xml::XmlDocument& x, const store::Document& doc, int row, int m, int year,
                 bool figures, bool first) {
  const store::PublisherRecord& p = doc.db().row(row);
  const int slot = store::MonthSlot(m, year - 2000);
  if (first) {
    x.AppendElement(kPubListMonthTags[m], "", xml::kAppendAsChild);
    x.Descend();
  } else {
    x.AppendElement(kPubListMonthTags[m]);
  }
  x.SetAttribute("Year", year);
  const bool simplified = store::MonthCounter(year - 2000, m) > store::kNewFormSwitch;
  const std::uint16_t word = p.word(SlotWords::kStudiesWord, slot);
  const bool bit = (word & store::studies::kParticipated) != 0;
  const int quarters = (word >> store::studies::kQuarterShift) & 3;
  const int hours = p.word(SlotWords::kHours, slot);
  const int code = p.pioneer_code(slot) & 3;
  std::string remark = doc.RemarkText(row, slot);
  if (hours == 0 && quarters == 0 && bit && !simplified) {
    remark = Strings().Get(str::kCardLessThanHour) + (remark.empty() ? "" : " " + remark);
    if (remark.size() > kRemarkLimit) remark.resize(kRemarkLimit);
  }
  if (figures) {
    auto counter = [&](SlotWords w) { return simplified ? 0 : p.word(w, slot); };
    x.AppendElement("Plcmts", counter(SlotWords::kPlcmts), xml::kAppendAsChild);
    x.AppendElement("Videos", counter(SlotWords::kVideos), xml::kAppendAsChild);
    x.AppendElement(
        "Hours",
        simplified && code == 0 ? std::string(bit ? "1" : "0") : HoursText(hours, quarters),
        xml::kAppendAsChild);
    x.AppendElement("R.V.s", counter(SlotWords::kReturnVisits), xml::kAppendAsChild);
    x.AppendElement("BiSt.", word & store::studies::kStudiesMask, xml::kAppendAsChild);
  }
  x.AppendElement("Remark", remark, xml::kAppendAsChild);
  if (figures) {
    static constexpr const char* kPio[] = {"", "Aux", "Reg", "Spec"};
    x.AppendElement("Pio", kPio[code], xml::kAppendAsChild);
    const int credit = p.word(SlotWords::kPioCredit, slot);
    if (code == 2 && credit != 0) x.AppendElement("PioCredit", credit, xml::kAppendAsChild);
  }
}

void AppendPub(xml::XmlDocument& x, const store::Document& doc, PubListSection section, int row,
               bool first) {
  const store::CongregationDatabase& db = doc.db();
  const store::PublisherRecord& p = db.row(row);
  namespace f = store::field;
  if (first) {
    x.AppendElement("Pub", "", xml::kAppendAsChild);
    x.Descend();
  } else {
    x.AppendElement("Pub");
  }
  auto add = [&](std::string_view name, std::string_view text) {
    x.AppendElement(name, text, xml::kAppendAsChild);
  };
  x.AppendElement("id", p.id(), xml::kAppendAsChild);
  add("fname", p.Text(f::kFname));
  add("lname", p.Text(f::kLname));
  add("addr", p.Text(f::kAddr));
  add("phone", p.Text(f::kPhone));
  add("phone2", p.Text(f::kPhone2));
  add("phone3", p.Text(f::kPhone3));
  if (const store::ExtensionRecord* e = store::ExtensionOf(db, p)) {
    if (!e->longname().empty()) add("longname", e->longname());
    if (!e->email().empty()) add("email", e->email());
    if (!e->extra().empty()) add("extra", e->extra());
  }
  const std::uint8_t attributes = p.attribute_flags();
  if ((attributes & store::attr::kMale) != 0)
    add("gender", "Male");
  else if ((attributes & store::attr::kFemale) != 0)
    add("gender", "Female");
  if (section != PubListSection::kNonPublishers) {
    add("birdate", IsoDate(p.Text(f::kBirdate)));
    add("bapdate", IsoDate(p.Text(f::kBapdate)));
    if (p.dpa_flag() != 0) add("dpa", IsoDate(p.Text(f::kDpa)));
  }
  if (const std::string need = store::NeedOf(db, p); !need.empty()) add("specneed", need);
  if (p.household() != 0) {
    const int head = db.FindRow(p.household());
    if (head != 0) add("household", db.DisplayName(head, !db.sort_by_first_name));
  }
  x.AppendElement("group", p.group(), xml::kAppendAsChild);
  const InactiveSince in = SinceOf(p);
  if (section == PubListSection::kInactive && in.known()) {
    x.AppendElement("inamonth", in.month, xml::kAppendAsChild);
    x.AppendElement("inayear", in.year, xml::kAppendAsChild);
  }
  if (section == PubListSection::kActive) {
    static constexpr const char* kServant[] = {"", "MinSvt", "Elder", "BapBro"};
    const int servant = attributes & store::attr::kServantMask;
    if (servant != 0) add("svt", kServant[servant]);
  }
  const bool months =
      section == PubListSection::kActive || (section == PubListSection::kInactive && in.known());
  if (months) {
    bool first_month = true;
    for (int parity = 0; parity < 2; ++parity) {
      for (int m = 0; m < 12; ++m) {
        const bool figures = section != PubListSection::kInactive || !LeftOut(in, m, parity);
        AppendMonth(x, doc, row, m, SlotYear(db, section, in, m, parity), figures, first_month);
        first_month = false;
      }
    }
    x.Ascend();  // back to the Pub
  }
}

}  // namespace

std::string SectionName(PubListSection section) {
  switch (section) {
    case PubListSection::kActive:
      return "Active";
    case PubListSection::kInactive:
      return "Inactive";
    case PubListSection::kNonPublishers:
      return "Non-Publishers";
  }
  return "Active";
}

std::string PubListFileName(PubListSection section) {
  return SectionName(section) + ".xml";
}

store::ListType SectionList(PubListSection section) {
  switch (section) {
    case PubListSection::kInactive:
      return ListType::kInactive;
    case PubListSection::kNonPublishers:
      return ListType::kNonPublisher;
    case PubListSection::kActive:
      break;
  }
  return ListType::kActive;
}

xml::XmlDocument BuildPubList(const store::Document& doc, PubListSection section,
                              const std::vector<int>& rows, Date today) {
  xml::XmlDocument x;
  x.AppendElement("PUBLIST");
  x.AppendElement("Agent", "Ledra", xml::kAppendAsChild);
  x.Descend();
  x.SetAttribute("Ver", "9000");
  char date[32];
  std::snprintf(date, sizeof date, "%d-%02d-%02d", today.year, today.month, today.day);
  x.AppendElement("Date", date);
  x.AppendElement("Count", static_cast<long long>(rows.size()));
  x.AppendElement(SectionName(section));
  bool first = true;
  for (int row : rows) {
    AppendPub(x, doc, section, row, first);
    first = false;
  }
  return x;
}

Result<platform::Path> ExportFolder(const platform::Path& data_folder) {
  const platform::Path folder = data_folder / "Exports";
  if (Status made = platform::CreateFolders(folder); !made) return made.error();
  return folder;
}

Status WritePubList(const store::Document& doc, PubListSection section,
                    const std::vector<int>& rows, Date today, const platform::Path& file) {
  xml::XmlDocument x = BuildPubList(doc, section, rows, today);
  if (Status saved = x.SaveFile(file); !saved)
    return Message{str::kCannotCreateFile,
                   Strings().Format(str::kCannotCreateFile, {platform::PathForMessage(file)})};
  return {};
}

}  // namespace ledra::interchange
