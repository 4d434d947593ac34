#pragma once
// The field service groups: the twenty rows of "Editar Grupos de Serviço de
// Campo", a group's name as the other dialogs show it, and the group editor
// with the assignment of its members.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/prompter.h"
#include "platform/result.h"
#include "store/congregation_database.h"

namespace ledra::records {

// Entry limits of the group editor.
inline constexpr std::size_t kGroupOverseerLimit = 23;
inline constexpr std::size_t kGroupAssistantLimit = 23;
inline constexpr std::size_t kGroupPlaceLimit = 22;
inline constexpr std::size_t kGroupTimeLimit = 8;
inline constexpr std::size_t kGroupNameLimit = 20;
inline constexpr int kLastWeekday = 6;  // 0 Monday .. 6 Sunday

struct GroupListRow {
  int number = 0;
  std::string text;     // "N°1 \toverseer \tassistant \tplace \ttime \tweekday", ANSI
  std::string name;     // the group's display name
  bool marked = false;  // overseer or assistant not on file
};

// All twenty groups, whatever the count.
std::vector<GroupListRow> GroupListRows(const store::CongregationDatabase& db);
// "* Não no arquivo" when a row is marked, else empty.
std::string GroupListNote(const std::vector<GroupListRow>& rows);

// Whether an active publisher bears the name, first name blank surname.
bool NameOnFile(const store::CongregationDatabase& db, std::string_view name);
// The group's own name when longer than one character, else "Grupo # N".
std::string GroupDisplayName(const store::GroupTable& groups, int group);
// The number of leading groups that have an overseer.
int LeadingGroupCount(const store::GroupTable& groups);
// The text a person is picked under for overseer or assistant.
std::string PersonGroupName(const store::PublisherRecord& person);

struct GroupFields {
  std::string overseer, assistant, place, time, name;  // ANSI
  int weekday = 0;
  bool operator==(const GroupFields&) const = default;
};

class GroupEditor {
 public:
  GroupEditor(store::CongregationDatabase& db, int group);

  int group() const { return group_; }
  GroupFields& fields() { return fields_; }
  const GroupFields& fields() const { return fields_; }
  std::string display_name() const;

  // "Eleger": the picked publisher's name into the overseer or assistant.
  void PickOverseer(std::uint16_t id);
  void PickAssistant(std::uint16_t id);

  // "Publicadores Designados": active publishers in this group, and those in none.
  std::vector<std::uint16_t> Members() const;
  std::vector<std::uint16_t> Unassigned() const;
  // Moves an active publisher into the group or out of it (kept until Save).
  void Assign(std::uint16_t id, bool member);
  // Makes exactly these active publishers the group's members; an id that
  // is no active publisher refuses the whole list.
  Status SetMembers(const std::vector<std::uint16_t>& ids);

  // A text over its limit or a weekday out of range.
  Status Check() const;
  // Writes the fields that changed and the members' group bytes; the count
  // follows the overseers when one of them changed. Returns the ids of the
  // people whose group changed.
  Result<std::vector<std::uint16_t>> Save(Prompter& prompter);

 private:
  std::uint8_t GroupOf(std::uint16_t id) const;

  store::CongregationDatabase& db_;
  int group_;
  GroupFields opened_;
  GroupFields fields_;
  // Pending group bytes by person id.
  std::vector<std::pair<std::uint16_t, std::uint8_t>> moves_;
};

}  // namespace ledra::records
