#include "reports/group_lists.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/analysis_page.h"

namespace ledra::reports {
namespace {

constexpr int kGroupLabel = 20904;  // "Grupo #"
constexpr int kMonday = 20100;
constexpr int kConsentKind = 20;  // the appointment entry of personal-data consent

bool HasConsent(const store::CongregationDatabase& db, std::uint16_t id) {
  return std::ranges::any_of(db.side.appointments, [id](const store::AppointmentEntry& e) {
    return e.id() == id && e.kind() == kConsentKind;
  });
}

}  // namespace

std::vector<std::vector<GroupListLine>> GroupListBlocks(const store::CongregationDatabase& db,
                                                        int kind, bool surname_first) {
  using K = GroupListLine::Kind;
  const StringTable& s = Strings();
  const auto& groups = db.side.groups;
  const bool students = kind == 71 || kind == 73;
  const bool inactive = kind == 72 || kind == 73;
  std::vector<std::vector<GroupListLine>> blocks;
  for (int g : AnalysisGroups(db)) {
    std::vector<GroupListLine> block;
    auto text = [&](store::GroupTable::Text which) {
      return g <= groups.count() ? groups.text(g, which) : std::string{};
    };
    std::string name = text(store::GroupTable::Text::kName);
    if (name.empty()) name = s.Get(kGroupLabel) + std::to_string(g);
    block.push_back({K::kGroup, name, {}});
    const std::string overseer = text(store::GroupTable::Text::kOverseer);
    const std::string assistant = text(store::GroupTable::Text::kAssistant);
    if (!overseer.empty() || !assistant.empty())
      block.push_back(
          {K::kDetails,
           overseer.empty() ? std::string{} : s.Format(str::kStatusOverseer, {overseer}),
           assistant.empty() ? std::string{} : s.Get(str::kAnalysisAssistant) + ": " + assistant});
    std::string when = text(store::GroupTable::Text::kPlace);
    const int day = g <= groups.count() ? groups.day(g) : 0;
    for (const std::string& part : {day >= 1 && day <= 7 ? s.Get(kMonday + day - 1) : std::string{},
                                    text(store::GroupTable::Text::kTime)}) {
      if (part.empty()) continue;
      if (!when.empty()) when += ", ";
      when += part;
    }
    if (!when.empty()) block.push_back({K::kDetails, when, {}});
    auto members = [&](store::ListType list, int heading) {
      std::vector<GroupListLine> lines;
      for (const store::IndexEntry& e : db.status_list(list)) {
        const store::PublisherRecord& p = db.row(e.row);
        if (p.group() != g) continue;
        if (kind == 74 && !HasConsent(db, p.id())) continue;
        lines.push_back({K::kMember, db.DisplayName(e.row, surname_first), {}});
      }
      if (lines.empty()) return;
      if (heading != 0) block.push_back({K::kHeading, s.Get(heading), {}});
      block.insert(block.end(), lines.begin(), lines.end());
    };
    members(store::ListType::kActive, 0);
    if (students) members(store::ListType::kNonPublisher, str::kGroupListStudents);
    if (inactive) members(store::ListType::kInactive, str::kAnalysisInactive);
    blocks.push_back(std::move(block));
  }
  return blocks;
}

int DrawGroupList(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int) {
  using K = GroupListLine::Kind;
  Canvas& c = frame.canvas();
  const PageFrame pf = frame.ListFrame();
  const std::string title = frame.Title(Strings().Get(str::kGroupListTitle));
  const std::string subtitle = Strings().Get(str::kAveragesCongregation);
  int page = -1;
  int line = 0;
  auto start_page = [&] {
    ++page;
    line = 0;
    frame.DrawHeader(pf, page, title, subtitle);
  };
  start_page();
  for (const auto& block : GroupListBlocks(db, kind, frame.env().options.surname_first)) {
    // A group starts a page when its heading and details would not fit with
    // a member under them; a long group goes on over the page.
    const int head = std::min<int>(static_cast<int>(block.size()), 4);
    if (line > 0 && line + 1 + head > pf.lines_per_page) start_page();
    if (line > 0) ++line;  // a blank line between groups
    for (const GroupListLine& l : block) {
      if (line >= pf.lines_per_page) start_page();
      const int top = pf.LineTop(page, 2 + line);
      switch (l.kind) {
        case K::kGroup:
          frame.Use(FontRole::kSubtitle);
          c.Text(pf.Stop(0), top, l.text);
          frame.Use(FontRole::kText);
          break;
        case K::kHeading:
          frame.Use(FontRole::kHeading);
          c.Text(pf.Stop(1, 5), top, l.text);
          frame.Use(FontRole::kText);
          break;
        case K::kDetails:
          c.Text(pf.Stop(1, 5), top, l.text);
          if (!l.second.empty()) c.Text(pf.Stop(7, 2), top, l.second);
          break;
        case K::kMember:
          c.Text(pf.Stop(2, 5), top, l.text);
          break;
      }
      ++line;
    }
  }
  return page + 1;
}

}  // namespace ledra::reports
