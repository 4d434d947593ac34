#include "records/privileges.h"

#include "platform/string_ids.h"

namespace ledra::records {

PrivilegesEditor::PrivilegesEditor(const Appointments& table, std::uint16_t id,
                                   const std::array<bool, kRows>& ticks)
    : id_(id) {
  for (int i = 0; i < kRows; ++i) {
    auto& r = rows[static_cast<std::size_t>(i)];
    r.ticked = ticks[static_cast<std::size_t>(i)];
    if (const auto* e = FindAppointment(table, id, static_cast<std::uint16_t>(i + 1))) {
      r.start = SplitDate(e->start());
      r.end = SplitDate(e->end());
    }
  }
}

int PrivilegesEditor::CaptionId(int row) {
  constexpr int kIds[kRows] = {str::kRecMinisterialServant, str::kRecElder,
                               str::kRecRegularPioneer,     str::kRecAuxiliaryIndefinite,
                               str::kRecSpecialPioneer,     str::kRecSpecialServant,
                               str::kRecFieldMissionary};
  return kIds[row];
}

void PrivilegesEditor::Apply(Appointments& table) const {
  for (int i = 0; i < kRows; ++i) {
    const auto& r = rows[static_cast<std::size_t>(i)];
    const auto kind = static_cast<std::uint16_t>(i + 1);
    const bool dated = r.start.complete() || r.end.complete();
    if (!r.ticked && !dated && !FindAppointment(table, id_, kind)) continue;
    SetAppointmentStart(table, id_, kind, r.start.complete() ? ComposeDate(r.start) : "");
    SetAppointmentEnd(table, id_, kind, r.end.complete() ? ComposeDate(r.end) : "");
  }
}

std::array<bool, PrivilegesEditor::kRows> PrivilegesEditor::ticks() const {
  std::array<bool, kRows> t{};
  for (int i = 0; i < kRows; ++i)
    t[static_cast<std::size_t>(i)] = rows[static_cast<std::size_t>(i)].ticked;
  return t;
}

}  // namespace ledra::records
