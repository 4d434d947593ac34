#pragma once
// The field service group of a person: the editor's button text and
// "Escolha o Grupo de Serviço de Campo".

#include <string>
#include <vector>

#include "store/side_tables.h"

namespace ledra::records {

// "Selecionar Grupo Serviço de Campo" for no group, else the group's name, or
// "( &Grupo #N ) overseer" for a group without one.
std::string GroupButtonText(const store::GroupTable& groups, int group);

struct GroupRow {
  int group = 0;  // 0 = no group
  std::string text;
};

// Row 0 is "no group"; then groups 1..count.
std::vector<GroupRow> GroupChoices(const store::GroupTable& groups);
// The row to preselect for `group`; -1 (nothing selected) above 20.
int GroupChoiceRow(const std::vector<GroupRow>& rows, int group);

}  // namespace ledra::records
