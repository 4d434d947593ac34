#include "store/appointment_file.h"

#include <set>
#include <utility>

#include "store/name_collation.h"

namespace ledra::store {

std::optional<std::string> WriteAppointmentFile(const std::vector<AppointmentEntry>& entries) {
  if (entries.empty() || entries.size() > static_cast<std::size_t>(kMaxAppointments))
    return std::nullopt;
  std::string out;
  std::set<std::pair<std::uint16_t, std::uint16_t>> written;
  for (const AppointmentEntry& e : entries) {
    if (e.id() == 0 || e.kind() == 0) continue;
    if (TrimBlanks(e.start()).size() <= 7 && e.kind() != 20) continue;
    if (!written.insert({e.id(), e.kind()}).second) continue;
    out.append(reinterpret_cast<const char*>(e.bytes.data()), AppointmentEntry::kSize);
  }
  return out;
}

}  // namespace ledra::store
