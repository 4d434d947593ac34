#pragma once
// The privilege dates and the consent of a person: rows of the appointment
// table found by (id, kind).

#include <cstdint>
#include <string_view>
#include <vector>

#include "store/side_tables.h"

namespace ledra::records {

enum AppointmentKind : std::uint16_t {
  kKindMinisterialServant = 1,
  kKindElder = 2,
  kKindRegularPioneer = 3,
  kKindAuxiliaryIndefinite = 4,
  kKindSpecialPioneer = 5,
  kKindSpecialServant = 6,
  kKindFieldMissionary = 7,
  kKindConsent = 20,
};

using Appointments = std::vector<store::AppointmentEntry>;

const store::AppointmentEntry* FindAppointment(const Appointments& table, std::uint16_t id,
                                               std::uint16_t kind);
// Overwrites the start (or end) text of the entry, or appends one; id or kind 0 is ignored.
void SetAppointmentStart(Appointments& table, std::uint16_t id, std::uint16_t kind,
                         std::string_view text);
void SetAppointmentEnd(Appointments& table, std::uint16_t id, std::uint16_t kind,
                       std::string_view text);
// Appends an entry with empty texts unless one exists already.
void EnsureAppointment(Appointments& table, std::uint16_t id, std::uint16_t kind);
void RemoveAppointmentsOf(Appointments& table, std::uint16_t id);
bool HasConsent(const Appointments& table, std::uint16_t id);

}  // namespace ledra::records
