#include "reports/roster_lists.h"

#include <algorithm>
#include <array>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/list_grid.h"
#include "store/person_side_records.h"

namespace ledra::reports {
namespace {

constexpr int kHome = 25001, kMobile = 25002, kWork = 25003;

// Where the columns stand, in hundredths of an inch from the margin.
constexpr int kSecondColumn = 270;
constexpr int kIndent = 20;
constexpr int kHomeStop = 290, kMobileStop = 390, kWorkStop = 490, kEmailStop = 510;

const std::array<RosterFamily, 5>& Families() {
  static const std::array<RosterFamily, 5> families = {
      RosterFamily{60, str::kRosterAddresses, {}},
      RosterFamily{80, str::kRosterContacts, {}},
      RosterFamily{100,
                   str::kRosterPhonesEmail,
                   {{kHomeStop, Strings().Get(kHome), HAlign::kRight},
                    {kMobileStop, Strings().Get(kMobile), HAlign::kRight},
                    {kWorkStop, Strings().Get(kWork), HAlign::kRight},
                    {kEmailStop, Strings().Get(str::kRosterEmail), HAlign::kLeft}}},
      RosterFamily{120, str::kRosterSpecialNeeds, {}},
      RosterFamily{90,
                   str::kEmergencyTitle,
                   {{0, Strings().Get(str::kEmergencyMembers), HAlign::kLeft},
                    {kHomeStop, Strings().Get(kHome), HAlign::kRight},
                    {kMobileStop, Strings().Get(kMobile), HAlign::kRight},
                    {kWorkStop, Strings().Get(kWork), HAlign::kRight}}},
  };
  return families;
}

}  // namespace

std::string EmailOf(const store::CongregationDatabase& db, const store::PublisherRecord& p) {
  const store::ExtensionRecord* extension = store::ExtensionOf(db, p);
  return extension != nullptr ? extension->email() : std::string();
}

const store::EmergencyContact* EmergencyContactOf(const store::CongregationDatabase& db,
                                                  const store::PublisherRecord& p) {
  const std::uint16_t key = p.emergency_key();
  for (std::size_t i = 0; key != 0 && i < db.side.contacts.size(); ++i)
    if (i < db.side.contact_keys.size() && db.side.contact_keys[i] == key)
      return &db.side.contacts[i];
  return nullptr;
}

namespace {

std::string Labelled(int label, const std::string& value) {
  return value.empty() ? std::string{} : Strings().Get(label) + ": " + value;
}

// A household under its head: the members with their phones, the third
// person to call, and the special needs of any of them.
std::vector<RosterLine> EmergencyBlock(const store::CongregationDatabase& db, int row,
                                       const RosterOptions& options) {
  const store::PublisherRecord& head = db.row(row);
  // A member of someone else's household is listed under that head.
  if (head.household() != 0 && head.household() != head.id() && db.FindRow(head.household()) != 0)
    return {};
  std::vector<int> members = {row};
  if (head.id() != 0)
    for (int r = 1; r < db.count(); ++r)
      if (r != row && db.row(r).household() == head.id()) members.push_back(r);
  std::vector<RosterLine> block;
  std::string needs;
  for (int r : members) {
    const store::PublisherRecord& p = db.row(r);
    block.push_back({{r == row ? 0 : kIndent, db.DisplayName(r, options.surname_first)},
                     {kHomeStop, p.Text(store::field::kPhone), HAlign::kRight},
                     {kMobileStop, p.Text(store::field::kPhone2), HAlign::kRight},
                     {kWorkStop, p.Text(store::field::kPhone3), HAlign::kRight}});
    const std::string need = store::NeedOf(db, p);
    if (!need.empty()) needs += (needs.empty() ? "" : "; ") + need;
  }
  if (const store::EmergencyContact* found = EmergencyContactOf(db, head)) {
    const store::EmergencyContact& c = *found;
    std::string text = Strings().Get(str::kEmergencyContact) + ": " + c.name();
    if (!c.info().empty()) text += ", " + c.info();
    if (options.emergency_witness)
      text +=
          "   " + Strings().Get(c.witness() ? str::kEmergencyWitnessYes : str::kEmergencyWitnessNo);
    // The whole line is the contact's: the phones follow the name.
    for (const std::string& phone :
         {Labelled(kHome, c.home()), Labelled(kMobile, c.mobile()), Labelled(kWork, c.work())})
      if (!phone.empty()) text += "   " + phone;
    block.push_back({{kIndent, text}});
  }
  if (!needs.empty())
    block.push_back({{kIndent, Strings().Get(str::kEmergencyNeeds) + ": " + needs}});
  return block;
}

}  // namespace

const RosterFamily* RosterFamilyOf(int kind) {
  for (const RosterFamily& f : Families())
    if (kind >= f.first_kind && kind <= f.first_kind + 4) return &f;
  return nullptr;
}

RosterVariant RosterVariantOf(int kind) {
  switch (kind) {
    case 61:
    case 81:
    case 91:
    case 101:
    case 121:
      return RosterVariant::kGroup;
    case 62:
    case 84:
      return RosterVariant::kInactive;
    case 63:
    case 82:
    case 103:
      return RosterVariant::kServants;
    case 64:
    case 83:
    case 104:
      return RosterVariant::kPioneers;
    default:
      return RosterVariant::kAll;
  }
}

std::vector<RosterLine> RosterBlock(const store::CongregationDatabase& db, int kind, int row,
                                    const RosterOptions& options) {
  const bool surname_first = options.surname_first;
  const store::PublisherRecord& p = db.row(row);
  const std::string name = db.DisplayName(row, surname_first);
  const std::string address = p.Text(store::field::kAddr);
  const std::string home = p.Text(store::field::kPhone), mobile = p.Text(store::field::kPhone2),
                    work = p.Text(store::field::kPhone3);
  switch (RosterFamilyOf(kind)->first_kind) {
    case 60:
      return {{{0, name}, {kSecondColumn, address}}};
    case 80: {
      // The phones and e-mail under the name and address.
      std::string details;
      for (const std::string& part : {Labelled(kHome, home), Labelled(kMobile, mobile),
                                      Labelled(kWork, work), EmailOf(db, p)}) {
        if (part.empty()) continue;
        if (!details.empty()) details += "   ";
        details += part;
      }
      std::vector<RosterLine> block = {{{0, name}, {kSecondColumn, address}}};
      if (!details.empty()) block.push_back({{kIndent, details}});
      return block;
    }
    case 90:
      return EmergencyBlock(db, row, options);
    case 100:
      return {{{0, name},
               {kHomeStop, home, HAlign::kRight},
               {kMobileStop, mobile, HAlign::kRight},
               {kWorkStop, work, HAlign::kRight},
               {kEmailStop, EmailOf(db, p)}}};
    default: {
      const std::string need = store::NeedOf(db, p);
      if (need.empty()) return {};
      return {{{0, name}, {kSecondColumn, need}}};
    }
  }
}

int DrawRosterList(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group) {
  Canvas& c = frame.canvas();
  const RosterFamily& family = *RosterFamilyOf(kind);
  const PageFrame pf = frame.ListFrame();
  const std::string title = frame.Title(Strings().Get(family.title));
  const std::string subtitle = RosterSubtitle(db, RosterVariantOf(kind), group);
  auto x = [&pf](int hundredths) { return pf.Stop(hundredths, 100); };
  int page = -1;
  int line = pf.lines_per_page;  // lines used on the page
  int rows_on_page = 0;
  auto finish_page = [&] {
    if (page >= 0 && frame.env().options.grid && rows_on_page > 0) {
      std::vector<int> stops;
      for (const RosterCell& h : family.headings)
        stops.push_back(x(h.hundredths) +
                        (h.align == HAlign::kRight ? pf.Inches(1, 20) : -pf.Inches(1, 20)));
      if (stops.empty()) stops.push_back(x(kSecondColumn) - pf.Inches(1, 20));
      DrawListGrid(c, pf, page, rows_on_page, pf.Stop(0) - pf.Inches(1, 20), pf.Stop(7), stops);
    }
  };
  auto start_page = [&] {
    finish_page();
    ++page;
    line = 0;
    rows_on_page = 0;
    frame.DrawHeader(pf, page, title, subtitle);
    frame.Use(FontRole::kSmall);
    for (const RosterCell& h : family.headings)
      c.Text(x(h.hundredths), pf.LineTop(page, 1), h.text, h.align);
    frame.Use(FontRole::kText);
  };
  for (const int row : RosterRows(db, RosterVariantOf(kind), group)) {
    const std::vector<RosterLine> block = RosterBlock(
        db, kind, row, {frame.env().options.surname_first, frame.env().options.emergency_witness});
    if (block.empty()) continue;
    // A person's lines stay together; a page takes at least one person.
    const int size = static_cast<int>(block.size());
    if (page < 0 || (line + size > pf.lines_per_page && line > 0)) start_page();
    for (const RosterLine& l : block) {
      for (const RosterCell& cell : l)
        if (!cell.text.empty())
          c.Text(x(cell.hundredths), pf.LineTop(page, 2 + line), cell.text, cell.align);
      ++line;
      ++rows_on_page;
    }
  }
  if (page < 0) start_page();
  finish_page();
  return page + 1;
}

}  // namespace ledra::reports
