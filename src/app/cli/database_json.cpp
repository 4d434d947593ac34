#include "cli/database_json.h"

#include "platform/codepage.h"

namespace ledra::cli {
namespace {

using nlohmann::ordered_json;
using store::PublisherRecord;
using store::SlotWords;

std::string Utf8(const std::string& ansi) {
  return platform::AnsiToUtf8(ansi);
}

ordered_json Words(const PublisherRecord& rec, SlotWords which) {
  ordered_json a = ordered_json::array();
  for (int s = 0; s < store::kSlotCount; ++s) a.push_back(rec.word(which, s));
  return a;
}

ordered_json Bytes(const PublisherRecord& rec, std::size_t offset) {
  ordered_json a = ordered_json::array();
  for (int s = 0; s < store::kSlotCount; ++s)
    a.push_back(rec.U8(offset + static_cast<std::size_t>(s)));
  return a;
}

ordered_json Person(const store::CongregationDatabase& db, int r) {
  const PublisherRecord& p = db.row(r);
  namespace f = store::field;
  ordered_json j;
  j["row"] = r;
  j["id"] = p.id();
  j["fname"] = Utf8(p.Text(f::kFname));
  j["lname"] = Utf8(p.Text(f::kLname));
  j["addr"] = Utf8(p.Text(f::kAddr));
  j["phone"] = Utf8(p.Text(f::kPhone));
  j["phone2"] = Utf8(p.Text(f::kPhone2));
  j["phone3"] = Utf8(p.Text(f::kPhone3));
  j["bapdate"] = Utf8(p.Text(f::kBapdate));
  j["birdate"] = Utf8(p.Text(f::kBirdate));
  j["dpa"] = Utf8(p.Text(f::kDpa));
  j["dpa_flag"] = p.dpa_flag();
  j["anointed_mark"] = p.anointed_mark();
  j["group"] = p.group();
  j["extension_index"] = p.extension_index();
  j["emergency_key"] = p.emergency_key();
  j["household"] = p.household();
  j["specneed_key"] = p.specneed_key();
  j["status_counter"] = p.status_counter();
  j["appointment_bits"] = p.appointment_bits();
  j["special_ministry_bits"] = p.special_ministry_bits();
  j["list_type"] = p.raw_list_type();
  j["status_change"] = p.status_change();
  j["status_copy"] = p.status_copy();
  j["attribute_flags"] = p.attribute_flags();
  j["pioneer_code"] = Bytes(p, 202);
  j["Plcmts"] = Words(p, SlotWords::kPlcmts);
  j["Videos"] = Words(p, SlotWords::kVideos);
  j["Hours"] = Words(p, SlotWords::kHours);
  j["R.V.s"] = Words(p, SlotWords::kReturnVisits);
  j["studies_word"] = Words(p, SlotWords::kStudiesWord);
  j["remark_index"] = Words(p, SlotWords::kRemarkIndex);
  j["PioCredit"] = Words(p, SlotWords::kPioCredit);
  j["slot_year"] = Bytes(p, 744);
  j["late_month"] = Bytes(p, 780);
  return j;
}

}  // namespace

ordered_json DatabaseToJson(const store::Document& document) {
  const store::CongregationDatabase& db = document.db();
  const auto& m = db.month();
  const PublisherRecord& h = db.header();
  ordered_json j;
  j["report_month"] = {{"counter", m.counter},
                       {"month_index", m.report_month_index},
                       {"year", 2000 + m.report_year}};
  j["scramble_base"] = document.scramble_base();
  ordered_json states = ordered_json::array();
  ordered_json stamps = ordered_json::array();
  ordered_json quarters = ordered_json::array();
  for (int k = 0; k < 12; ++k) states.push_back(store::header::MonthStateByte(h, k));
  for (int s = 0; s < store::kSlotCount; ++s) {
    stamps.push_back(store::header::YearStamp(h, s));
    quarters.push_back(store::header::CarriedQuarters(h, s));
  }
  j["header"] = {{"password_set", store::header::HasPassword(h)},
                 {"month_states", states},
                 {"last_entered_id", h.U16(store::header::kLastEnteredId)},
                 {"saved_month", h.U16(store::header::kSavedMonth) & 0x0F},
                 {"year_stamps", stamps},
                 {"carried_quarters", quarters}};
  ordered_json late = ordered_json::array();
  for (const store::LateEntry& e : db.late_entries())
    late.push_back({{"id", e.id}, {"month", e.month}, {"entered", e.entered}});
  j["late_entries"] = late;
  ordered_json people = ordered_json::array();
  for (int r = 1; r < db.count(); ++r) people.push_back(Person(db, r));
  j["people"] = people;
  return j;
}

}  // namespace ledra::cli
