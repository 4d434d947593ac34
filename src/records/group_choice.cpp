#include "records/group_choice.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::records {
namespace {

std::string GroupName(const store::GroupTable& groups, int g) {
  if (g < 1 || g > store::GroupTable::kMaxGroups) return {};
  std::string name = groups.text(g, store::GroupTable::Text::kName);
  return name.size() > 1 ? name : std::string{};
}

}  // namespace

std::string GroupButtonText(const store::GroupTable& groups, int g) {
  if (g == 0) return Strings().Get(str::kRecSelectGroup);
  if (std::string name = GroupName(groups, g); !name.empty()) return name;
  const std::string overseer = g <= store::GroupTable::kMaxGroups
                                   ? groups.text(g, store::GroupTable::Text::kOverseer)
                                   : std::string{};
  return FormatPrintf(Strings().Get(str::kRecUnnamedGroupFormat),
                      {Strings().Get(str::kRecGroupNumberPrefix), static_cast<long long>(g),
                       std::string_view(overseer)});
}

std::vector<GroupRow> GroupChoices(const store::GroupTable& groups) {
  std::vector<GroupRow> rows{{0, Strings().Get(str::kRecNoGroup)}};
  for (int g = 1; g <= groups.count(); ++g) {
    std::string text = GroupName(groups, g);
    if (text.empty())
      text = Strings().Get(str::kRecGroupNumberPrefix) + " " + std::to_string(g) + "  " +
             groups.text(g, store::GroupTable::Text::kOverseer);
    rows.push_back({g, text});
  }
  return rows;
}

int GroupChoiceRow(const std::vector<GroupRow>& rows, int group) {
  if (group > store::GroupTable::kMaxGroups) return -1;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].group == group) return static_cast<int>(i);
  return -1;
}

}  // namespace ledra::records
