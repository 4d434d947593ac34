#include "records/field_groups.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::records {
namespace {

using T = store::GroupTable::Text;

// Per group g, at index g - 1: the weekday, and whether the group's name is used.
constexpr std::size_t kDayOffset = 2101;
constexpr std::size_t kNameShownOffset = 2121;

std::string Weekday(int day) {
  return day >= 0 && day <= kLastWeekday ? Strings().Get(str::kDayMonday + day) : std::string{};
}

// An empty name is no name to look for.
std::string Marked(const store::CongregationDatabase& db, const std::string& name, bool& marked) {
  if (name.empty() || NameOnFile(db, name)) return name;
  marked = true;
  return name + "*";
}

Status TooLong(int label, std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return {};
  return Message{
      str::kCliTextTooLong,
      Strings().Format(str::kCliTextTooLong, {Strings().Get(label), std::to_string(limit)})};
}

}  // namespace

std::string PersonGroupName(const store::PublisherRecord& person) {
  return person.fname() + " " + person.lname();
}

bool NameOnFile(const store::CongregationDatabase& db, std::string_view name) {
  const auto& active = db.status_list(store::ListType::kActive);
  return std::ranges::any_of(
      active, [&](const store::IndexEntry& e) { return PersonGroupName(db.row(e.row)) == name; });
}

std::vector<GroupListRow> GroupListRows(const store::CongregationDatabase& db) {
  const store::GroupTable& groups = db.side.groups;
  std::vector<GroupListRow> rows;
  for (int g = 1; g <= store::GroupTable::kMaxGroups; ++g) {
    GroupListRow row;
    row.number = g;
    row.name = GroupDisplayName(groups, g);
    const std::string overseer = Marked(db, groups.text(g, T::kOverseer), row.marked);
    const std::string assistant = Marked(db, groups.text(g, T::kAssistant), row.marked);
    row.text = Strings().Get(str::kFieldGroupNumberMark) + std::to_string(g) + " \t" + overseer +
               " \t" + assistant + " \t" + groups.text(g, T::kPlace) + " \t" +
               groups.text(g, T::kTime) + " \t" + Weekday(groups.day(g));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string GroupListNote(const std::vector<GroupListRow>& rows) {
  const bool any = std::ranges::any_of(rows, &GroupListRow::marked);
  return any ? Strings().Get(str::kFieldGroupNotOnFile) : std::string{};
}

std::string GroupDisplayName(const store::GroupTable& groups, int group) {
  std::string name = groups.text(group, T::kName);
  if (name.size() > 1) return name;
  return Strings().Get(str::kRecGroupNumberPrefix) + " " + std::to_string(group);
}

int LeadingGroupCount(const store::GroupTable& groups) {
  int n = 0;
  while (n < store::GroupTable::kMaxGroups && !groups.text(n + 1, T::kOverseer).empty()) ++n;
  return n;
}

GroupEditor::GroupEditor(store::CongregationDatabase& db, int group) : db_(db), group_(group) {
  const store::GroupTable& groups = db.side.groups;
  opened_.overseer = groups.text(group, T::kOverseer);
  opened_.assistant = groups.text(group, T::kAssistant);
  opened_.place = groups.text(group, T::kPlace);
  opened_.time = groups.text(group, T::kTime);
  opened_.name = groups.text(group, T::kName);
  opened_.weekday = group >= 1 && group <= store::GroupTable::kMaxGroups ? groups.day(group) : 0;
  fields_ = opened_;
}

std::string GroupEditor::display_name() const {
  return GroupDisplayName(db_.side.groups, group_);
}

void GroupEditor::PickOverseer(std::uint16_t id) {
  if (const int row = db_.FindRow(id); row > 0)
    fields_.overseer = PersonGroupName(db_.row(row)).substr(0, kGroupOverseerLimit);
}

void GroupEditor::PickAssistant(std::uint16_t id) {
  if (const int row = db_.FindRow(id); row > 0)
    fields_.assistant = PersonGroupName(db_.row(row)).substr(0, kGroupAssistantLimit);
}

std::uint8_t GroupEditor::GroupOf(std::uint16_t id) const {
  for (const auto& [moved, group] : moves_)
    if (moved == id) return group;
  const int row = db_.FindRow(id);
  return row > 0 ? db_.row(row).group() : 0;
}

std::vector<std::uint16_t> GroupEditor::Members() const {
  std::vector<std::uint16_t> ids;
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive))
    if (GroupOf(e.id) == group_) ids.push_back(e.id);
  return ids;
}

std::vector<std::uint16_t> GroupEditor::Unassigned() const {
  std::vector<std::uint16_t> ids;
  for (const store::IndexEntry& e : db_.status_list(store::ListType::kActive))
    if (GroupOf(e.id) == 0) ids.push_back(e.id);
  return ids;
}

void GroupEditor::Assign(std::uint16_t id, bool member) {
  const std::uint8_t to = member ? static_cast<std::uint8_t>(group_) : 0;
  std::erase_if(moves_, [id](const auto& m) { return m.first == id; });
  const int row = db_.FindRow(id);
  if (row > 0 && db_.row(row).group() != to) moves_.emplace_back(id, to);
}

Status GroupEditor::SetMembers(const std::vector<std::uint16_t>& ids) {
  for (std::uint16_t id : ids) {
    const int row = db_.FindRow(id);
    if (row == 0 || !db_.row(row).is(store::ListType::kActive)) {
      return Message{str::kCliNoSuchPublisher,
                     Strings().Format(str::kCliNoSuchPublisher, {std::to_string(id)})};
    }
  }
  for (std::uint16_t id : Members())
    if (std::ranges::find(ids, id) == ids.end()) Assign(id, false);
  for (std::uint16_t id : ids) Assign(id, true);
  return {};
}

Status GroupEditor::Check() const {
  if (group_ < 1 || group_ > store::GroupTable::kMaxGroups) {
    return Message{str::kCliNoSuchFieldGroup,
                   Strings().Format(str::kCliNoSuchFieldGroup, {std::to_string(group_)})};
  }
  const std::pair<int, std::pair<std::string_view, std::size_t>> texts[] = {
      {str::kFieldGroupOverseer, {fields_.overseer, kGroupOverseerLimit}},
      {str::kFieldGroupAssistant, {fields_.assistant, kGroupAssistantLimit}},
      {str::kFieldGroupPlace, {fields_.place, kGroupPlaceLimit}},
      {str::kFieldGroupTime, {fields_.time, kGroupTimeLimit}},
      {str::kFieldGroupOptionalName, {fields_.name, kGroupNameLimit}},
  };
  for (const auto& [label, text] : texts)
    if (Status s = TooLong(label, text.first, text.second); !s) return s;
  // A stray byte read from the file is kept as long as nobody changes it.
  const bool weekday_ok = fields_.weekday >= 0 && fields_.weekday <= kLastWeekday;
  if (!weekday_ok && fields_.weekday != opened_.weekday) {
    return Message{str::kCliNoSuchWeekday,
                   Strings().Format(str::kCliNoSuchWeekday, {std::to_string(fields_.weekday)})};
  }
  return {};
}

Result<std::vector<std::uint16_t>> GroupEditor::Save(Prompter& prompter) {
  if (Status s = Check(); !s) return s.error();
  store::GroupTable& groups = db_.side.groups;
  // Only what changed is written, so the bytes behind a field's terminator stay.
  auto put = [&](T which, const std::string& now, const std::string& before) {
    if (now != before) groups.set_text(group_, which, now);
  };
  put(T::kOverseer, fields_.overseer, opened_.overseer);
  put(T::kAssistant, fields_.assistant, opened_.assistant);
  put(T::kPlace, fields_.place, opened_.place);
  put(T::kTime, fields_.time, opened_.time);
  put(T::kName, fields_.name, opened_.name);
  const auto at = static_cast<std::size_t>(group_ - 1);
  if (fields_.weekday != opened_.weekday)
    groups.bytes[kDayOffset + at] = static_cast<std::uint8_t>(fields_.weekday);
  if (fields_.name != opened_.name)
    groups.bytes[kNameShownOffset + at] = fields_.name.size() > 1 ? 1 : 0;
  if (fields_.overseer != opened_.overseer) groups.set_count(LeadingGroupCount(groups));

  std::vector<std::uint16_t> changed;
  for (const auto& [id, group] : moves_) {
    const int row = db_.FindRow(id);
    if (row == 0 || db_.row(row).group() == group) continue;
    db_.row(row).set_group(group);
    changed.push_back(id);
  }
  moves_.clear();
  const bool any = !(fields_ == opened_) || !changed.empty();
  opened_ = fields_;
  if (any) {
    db_.modified = true;
    db_.RebuildIndexes(prompter);
  }
  return changed;
}

}  // namespace ledra::records
