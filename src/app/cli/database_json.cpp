#include "cli/database_json.h"

#include <ostream>

#include "platform/codepage.h"

namespace ledra::cli {
namespace {

// Receives the top-level members in order; a long array comes element by element.
class JsonSink {
 public:
  virtual ~JsonSink() = default;
  virtual void Value(std::string_view key, nlohmann::ordered_json value) = 0;
  virtual void BeginArray(std::string_view key) = 0;
  virtual void Element(nlohmann::ordered_json value) = 0;
  virtual void EndArray() = 0;
};

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

ordered_json SlotWordsOf(const auto& block, auto read) {
  ordered_json a = ordered_json::array();
  for (int s = 0; s < store::kSlotCount; ++s) a.push_back((block.*read)(s));
  return a;
}

// Emits the database section by section, and the long arrays one element at a
// time, so that a writer can stream them instead of holding the whole tree.
void EmitSideTables(const store::CongregationDatabase& db, JsonSink& sink) {
  const store::SideTables& side = db.side;
  sink.BeginArray("remarks");
  for (std::size_t k = 1; k < side.remarks.size(); ++k) {
    const store::RemarkRecord& r = side.remarks[k];
    sink.Element({{"pos", k},
                  {"text", Utf8(r.text)},
                  {"month", r.month},
                  {"parity", r.parity},
                  {"id", r.id}});
  }
  sink.EndArray();
  sink.BeginArray("extensions");
  for (std::size_t k = 1; k < side.extensions.size(); ++k) {
    const store::ExtensionRecord& e = side.extensions[k];
    if (e.all_zero()) continue;
    sink.Element({{"pos", k},
                  {"id", e.id()},
                  {"longname", Utf8(e.longname())},
                  {"email", Utf8(e.email())},
                  {"extra", Utf8(e.extra())},
                  {"flags", e.flags()}});
  }
  sink.EndArray();
  sink.BeginArray("emergency_contacts");
  for (std::size_t k = 0; k < side.contacts.size(); ++k) {
    const store::EmergencyContact& c = side.contacts[k];
    sink.Element({{"key", side.contact_keys[k]},
                  {"name", Utf8(c.name())},
                  {"info", Utf8(c.info())},
                  {"home", Utf8(c.home())},
                  {"mobile", Utf8(c.mobile())},
                  {"work", Utf8(c.work())},
                  {"witness", c.witness()}});
  }
  sink.EndArray();
  sink.BeginArray("special_needs");
  for (std::size_t k = 0; k < side.needs.size(); ++k) {
    if (side.need_keys[k] == 0) continue;
    sink.Element({{"key", side.need_keys[k]}, {"text", Utf8(side.needs[k].need())}});
  }
  sink.EndArray();
  sink.BeginArray("appointments");
  for (const store::AppointmentEntry& a : side.appointments) {
    sink.Element(
        {{"id", a.id()}, {"kind", a.kind()}, {"start", Utf8(a.start())}, {"end", Utf8(a.end())}});
  }
  sink.EndArray();
  sink.BeginArray("attendance");
  for (const store::AttendanceBlock& b : side.attendance) {
    ordered_json weeks = ordered_json::array();
    for (int w = 0; w < 5; ++w) {
      ordered_json week = ordered_json::array();
      for (int s = 0; s < store::kSlotCount; ++s) week.push_back(b.week(w, s));
      weeks.push_back(week);
    }
    sink.Element({{"name", Utf8(b.name())},
                  {"weeks", weeks},
                  {"count", SlotWordsOf(b, &store::AttendanceBlock::meetings)},
                  {"total", SlotWordsOf(b, &store::AttendanceBlock::total)},
                  {"average", SlotWordsOf(b, &store::AttendanceBlock::average)}});
  }
  sink.EndArray();
  ordered_json card = ordered_json::array();
  for (int m = 0; m < 12; ++m) {
    ordered_json rows = ordered_json::array();
    for (int r = 0; r < 4; ++r) {
      ordered_json columns = ordered_json::array();
      for (int c = 0; c < 9; ++c) {
        columns.push_back({side.totals_card[store::TotalsCardIndex(m, r, c, 0)],
                           side.totals_card[store::TotalsCardIndex(m, r, c, 1)]});
      }
      rows.push_back(columns);
    }
    card.push_back(rows);
  }
  sink.Value("totals_card", std::move(card));
  using T = store::GroupTable::Text;
  ordered_json groups = ordered_json::array();
  for (int g = 1; g <= side.groups.count(); ++g) {
    groups.push_back({{"number", g},
                      {"overseer", Utf8(side.groups.text(g, T::kOverseer))},
                      {"assistant", Utf8(side.groups.text(g, T::kAssistant))},
                      {"place", Utf8(side.groups.text(g, T::kPlace))},
                      {"name", Utf8(side.groups.text(g, T::kName))},
                      {"time", Utf8(side.groups.text(g, T::kTime))},
                      {"day", side.groups.day(g)},
                      {"name_shown", side.groups.name_shown(g)}});
  }
  sink.Value("groups", {{"count", side.groups.count()}, {"list", groups}});
  sink.Value("shared_settings", side.shared_settings);
}

void EmitDatabase(const store::Document& document, JsonSink& sink) {
  const store::CongregationDatabase& db = document.db();
  const auto& m = db.month();
  const PublisherRecord& h = db.header();
  sink.Value("report_month", {{"counter", m.counter},
                              {"month_index", m.report_month_index},
                              {"year", 2000 + m.report_year}});
  sink.Value("scramble_base", document.scramble_base());
  ordered_json states = ordered_json::array();
  ordered_json stamps = ordered_json::array();
  ordered_json quarters = ordered_json::array();
  for (int k = 0; k < 12; ++k) states.push_back(store::header::MonthStateByte(h, k));
  for (int s = 0; s < store::kSlotCount; ++s) {
    stamps.push_back(store::header::YearStamp(h, s));
    quarters.push_back(store::header::CarriedQuarters(h, s));
  }
  sink.Value("header", {{"password_set", store::header::HasPassword(h)},
                        {"month_states", states},
                        {"last_entered_id", h.U16(store::header::kLastEnteredId)},
                        {"saved_month", h.U16(store::header::kSavedMonth) & 0x0F},
                        {"year_stamps", stamps},
                        {"carried_quarters", quarters}});
  sink.BeginArray("late_entries");
  for (const store::LateEntry& e : db.late_entries())
    sink.Element({{"id", e.id}, {"month", e.month}, {"entered", e.entered}});
  sink.EndArray();
  sink.BeginArray("people");
  for (int r = 1; r < db.count(); ++r) sink.Element(Person(db, r));
  sink.EndArray();
  EmitSideTables(db, sink);
}

// Collects the sections into one tree.
class TreeSink final : public JsonSink {
 public:
  void Value(std::string_view key, ordered_json value) override {
    tree_[std::string(key)] = std::move(value);
  }
  void BeginArray(std::string_view key) override {
    key_ = key;
    array_ = ordered_json::array();
  }
  void Element(ordered_json value) override { array_.push_back(std::move(value)); }
  void EndArray() override { tree_[key_] = std::move(array_); }
  ordered_json Take() { return std::move(tree_); }

 private:
  ordered_json tree_ = ordered_json::object();
  std::string key_;
  ordered_json array_;
};

// Writes the text that ordered_json::dump(1) gives for the whole tree, one
// element at a time: every part is dumped alone and indented to its depth
// (a dumped string never holds a raw line break, so indenting is safe).
class StreamSink final : public JsonSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) { out_ << '{'; }
  void Value(std::string_view key, ordered_json value) override {
    WriteKey(key);
    WriteIndented(value.dump(1), 1);
  }
  void BeginArray(std::string_view key) override {
    WriteKey(key);
    out_ << '[';
    elements_ = 0;
  }
  void Element(ordered_json value) override {
    out_ << (elements_++ == 0 ? "\n  " : ",\n  ");
    WriteIndented(value.dump(1), 2);
  }
  void EndArray() override { out_ << (elements_ == 0 ? "]" : "\n ]"); }
  void Finish() { out_ << (keys_ == 0 ? "}" : "\n}"); }

 private:
  void WriteKey(std::string_view key) {
    out_ << (keys_++ == 0 ? "\n " : ",\n ") << ordered_json(key).dump() << ": ";
  }
  void WriteIndented(std::string_view text, int depth) {
    std::size_t from = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         from = at + 1, at = text.find('\n', from)) {
      out_.write(text.data() + from, static_cast<std::streamsize>(at + 1 - from));
      for (int i = 0; i < depth; ++i) out_.put(' ');
    }
    out_.write(text.data() + from, static_cast<std::streamsize>(text.size() - from));
  }

  std::ostream& out_;
  int keys_ = 0;
  int elements_ = 0;
};

}  // namespace

ordered_json PersonJson(const store::CongregationDatabase& db, int row) {
  return Person(db, row);
}

ordered_json DatabaseToJson(const store::Document& document) {
  TreeSink sink;
  EmitDatabase(document, sink);
  return sink.Take();
}

void WriteDatabaseJson(const store::Document& document, std::ostream& out) {
  StreamSink sink(out);
  EmitDatabase(document, sink);
  sink.Finish();
}

}  // namespace ledra::cli
