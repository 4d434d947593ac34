#include "reports/phone_list.h"

#include "platform/string_table.h"
#include "reports/list_grid.h"
#include "reports/roster_selection.h"

namespace ledra::reports {
namespace {

constexpr int kTitle = 25000;
constexpr int kHome = 25001, kMobile = 25002, kWork = 25003;

using store::attr::kHeadOfFamily;

RosterVariant VariantOf(int kind) {
  switch (kind) {
    case kPhoneListGroup:
      return RosterVariant::kGroup;
    case kPhoneListServants:
      return RosterVariant::kServants;
    case kPhoneListPioneers:
      return RosterVariant::kPioneers;
    default:
      return RosterVariant::kAll;
  }
}

// One printed line of the list.
struct ListLine {
  const PhoneListPerson* person = nullptr;  // null: a household line
  std::string text;
};

}  // namespace

std::vector<PhoneListPerson> PhoneListPeople(const store::CongregationDatabase& db, int kind,
                                             int group, bool surname_first) {
  std::vector<PhoneListPerson> people;
  for (const int row : RosterRows(db, VariantOf(kind), group)) {
    const store::PublisherRecord& rec = db.row(row);
    PhoneListPerson p{db.DisplayName(row, surname_first),
                      rec.Text(store::field::kPhone),
                      rec.Text(store::field::kPhone2),
                      rec.Text(store::field::kPhone3),
                      {}};
    if (kind == kPhoneListAll && (rec.attribute_flags() & kHeadOfFamily) != 0 && rec.id() != 0) {
      for (int r = 1; r < db.count(); ++r) {
        if (r != row && db.row(r).household() == rec.id())
          p.household.push_back(db.DisplayName(r, surname_first));
      }
    }
    people.push_back(std::move(p));
  }
  return people;
}

int PhoneListColumns(const std::vector<PhoneListPerson>& people) {
  for (const PhoneListPerson& p : people)
    if (!p.mobile.empty() || !p.work.empty()) return 1;
  return 2;
}

std::string PhoneListSubtitle(const store::CongregationDatabase& db, int kind, int group) {
  return RosterSubtitle(db, VariantOf(kind), group);
}

int DrawPhoneList(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group) {
  Canvas& c = frame.canvas();
  const ReportEnv& env = frame.env();
  const auto people = PhoneListPeople(db, kind, group, env.options.surname_first);
  const int columns = PhoneListColumns(people);
  const PageFrame pf = frame.ListFrame();

  // The second column starts 3.75 inches in, so its home phone falls on 6.95.
  const int column_shift = pf.Inches(15, 4);
  const int indent = pf.Inches(1, 5);
  // Households wrap at the planning resolution: a line more on one target
  // would move every page break after it.
  const int household_width =
      (columns == 2 ? kPlanDpi * 7 / 2 : kPlanDpi * 139 / 20) - kPlanDpi / 5;  // to the last stop
  auto measure = [&frame](const std::string& t) { return frame.PlanTextWidth(t); };
  std::vector<ListLine> lines;
  for (const PhoneListPerson& p : people) {
    lines.push_back({&p, p.name});
    if (p.household.empty()) continue;
    for (std::string& l : WrapNames(p.household, household_width, measure))
      lines.push_back({nullptr, std::move(l)});
  }
  const int entries = static_cast<int>(lines.size());
  const int pages = PageCount(entries, columns, pf.lines_per_page);

  const std::string title = frame.Title(Strings().Get(kTitle));
  const std::string subtitle = PhoneListSubtitle(db, kind, group);
  const StringTable& s = Strings();
  const int per_page = pf.lines_per_page * columns;
  for (int page = 0; page < pages; ++page) {
    frame.DrawHeader(pf, page, title, subtitle);
    frame.Use(FontRole::kSmall);
    const int heading_top = pf.LineTop(page, 1);
    for (int col = 0; col < columns; ++col) {
      const int x0 = col * column_shift;
      c.Text(pf.Stop(16, 5) - pf.Inches(1, 6) + x0, heading_top, s.Get(kHome), HAlign::kRight);
      if (columns == 1) {
        c.Text(pf.Stop(26, 5) - pf.Inches(1, 6), heading_top, s.Get(kMobile), HAlign::kRight);
        c.Text(pf.Stop(36, 5) - pf.Inches(1, 2), heading_top, s.Get(kWork), HAlign::kRight);
      }
    }
    frame.Use(FontRole::kText);
    const int first = page * per_page;
    const int on_page = std::min(per_page, entries - first);
    for (int i = 0; i < on_page; ++i) {
      const ListLine& line = lines[static_cast<std::size_t>(first + i)];
      const int col = i / pf.lines_per_page;
      const int top = pf.LineTop(page, 2 + i % pf.lines_per_page);
      const int x0 = col * column_shift;
      if (line.person == nullptr) {
        c.Text(pf.Stop(0) + x0 + indent, top, line.text);
        continue;
      }
      c.Text(pf.Stop(0) + x0, top, line.text);
      auto phone = [&](int x, const std::string& number) {
        if (!number.empty()) c.Text(x, top, number, HAlign::kRight);
      };
      phone(pf.Stop(16, 5) + x0, line.person->home);
      if (columns == 1) {
        phone(pf.Stop(26, 5), line.person->mobile);
        phone(pf.Stop(139, 20), line.person->work);
      }
    }
    if (env.options.grid) {
      const int rows = std::min(pf.lines_per_page, on_page);
      std::vector<int> stops;
      if (columns == 1) {
        stops = {pf.Stop(16, 5), pf.Stop(26, 5)};
      } else {
        stops = {pf.Stop(16, 5), pf.Stop(15, 4), pf.Stop(139, 20)};
      }
      DrawListGrid(c, pf, page, rows, pf.Stop(0), pf.Stop(7), stops);
    }
  }
  return pages;
}

}  // namespace ledra::reports
