#pragma once
// "Privilégios de serviço": seven appointment kinds with their start and end dates.

#include <array>
#include <cstdint>

#include "records/appointment_entries.h"
#include "records/date_text.h"

namespace ledra::records {

struct PrivilegeRow {
  bool ticked = false;
  DateParts start, end;
};

class PrivilegesEditor {
 public:
  static constexpr int kRows = 7;  // kinds 1-7 in this order
  // Ticks come from the editor's boxes; dates from the person's entries.
  PrivilegesEditor(const Appointments& table, std::uint16_t id,
                   const std::array<bool, kRows>& ticks);

  std::array<PrivilegeRow, kRows> rows;
  static int CaptionId(int row);
  // Writes the texts of every row that is ticked, dated or already has an entry.
  void Apply(Appointments& table) const;
  std::array<bool, kRows> ticks() const;

 private:
  std::uint16_t id_;
};

}  // namespace ledra::records
