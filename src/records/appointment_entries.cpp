#include "records/appointment_entries.h"

#include <algorithm>

namespace ledra::records {
namespace {

store::AppointmentEntry* Find(Appointments& table, std::uint16_t id, std::uint16_t kind) {
  for (auto& e : table)
    if (e.id() == id && e.kind() == kind) return &e;
  return nullptr;
}

store::AppointmentEntry* FindOrAppend(Appointments& table, std::uint16_t id, std::uint16_t kind) {
  if (id == 0 || kind == 0) return nullptr;
  if (auto* e = Find(table, id, kind)) return e;
  if (table.size() >= static_cast<std::size_t>(store::kMaxAppointments)) return nullptr;
  store::AppointmentEntry e;
  e.set_u16(0, id);
  e.set_u16(2, kind);
  table.push_back(e);
  return &table.back();
}

}  // namespace

const store::AppointmentEntry* FindAppointment(const Appointments& table, std::uint16_t id,
                                               std::uint16_t kind) {
  for (const auto& e : table)
    if (e.id() == id && e.kind() == kind) return &e;
  return nullptr;
}

void SetAppointmentStart(Appointments& table, std::uint16_t id, std::uint16_t kind,
                         std::string_view text) {
  if (auto* e = FindOrAppend(table, id, kind)) e->set_text(4, 9, text);
}

void SetAppointmentEnd(Appointments& table, std::uint16_t id, std::uint16_t kind,
                       std::string_view text) {
  if (auto* e = FindOrAppend(table, id, kind)) e->set_text(13, 9, text);
}

void EnsureAppointment(Appointments& table, std::uint16_t id, std::uint16_t kind) {
  (void)FindOrAppend(table, id, kind);
}

void RemoveAppointmentsOf(Appointments& table, std::uint16_t id) {
  std::erase_if(table, [id](const store::AppointmentEntry& e) { return e.id() == id; });
}

bool HasConsent(const Appointments& table, std::uint16_t id) {
  return FindAppointment(table, id, kKindConsent) != nullptr;
}

}  // namespace ledra::records
