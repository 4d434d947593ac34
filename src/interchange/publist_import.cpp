#include "interchange/publist_import.h"

#include <algorithm>
#include <map>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/month_slot.h"

namespace ledra::interchange {
namespace {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;
namespace f = store::field;

constexpr std::size_t kRemarkLimit = 43;
constexpr std::size_t kNeedLimit = 93;
constexpr int kThirdDateFlag = 179;

Message Invalid() {
  return Message{str::kXmlInvalid, Strings().Get(str::kXmlInvalid)};
}

int MonthOfTag(std::string_view tag) {
  for (std::size_t m = 0; m < 12; ++m)
    if (kPubListMonthTags[m] == tag) return static_cast<int>(m);
  return -1;
}

struct PubMonth {
  int month_index = 0;
  int occurrence = 0;  // 0 the first element of that name, 1 the second
  std::string year;
  std::vector<std::string> figures;  // the first five children, by position
  std::string remark, pio, credit;
  bool has_remark = false, has_credit = false;
};

// One Pub as the import reads it: the first text of each leaf, and its months.
struct PubData {
  std::map<std::string, std::string, std::less<>> fields;
  std::vector<PubMonth> months;
  const std::string* Field(std::string_view name) const {
    const auto it = fields.find(name);
    return it == fields.end() ? nullptr : &it->second;
  }
};

bool EnterSection(xml::XmlDocument& x, PubListSection& section) {
  x.ResetCursor();
  if (!x.FindNextSibling("PUBLIST")) return false;
  for (PubListSection s :
       {PubListSection::kActive, PubListSection::kInactive, PubListSection::kNonPublishers}) {
    x.ResetCursor();
    x.FindNextSibling("PUBLIST");
    if (x.FindNextChild(SectionName(s))) {
      section = s;
      return x.Descend();
    }
  }
  return false;
}

// Reads the n-th Pub of the section (the cursor is left inside the section).
PubData ReadPub(xml::XmlDocument& x, PubListSection section, int n) {
  PubListSection ignored = section;
  PubData pub;
  if (!EnterSection(x, ignored)) return pub;
  for (int i = 0; i <= n; ++i)
    if (!x.FindNextChild("Pub")) return pub;
  x.Descend();
  int seen[12] = {};
  while (x.FindNextChild()) {
    const std::string name = x.ChildName();
    const int m = MonthOfTag(name);
    if (m < 0) {
      pub.fields.try_emplace(name, x.ChildText());
      continue;
    }
    PubMonth month;
    month.month_index = m;
    month.occurrence = seen[m]++;
    x.Descend();
    month.year = x.ElementAttribute("Year");
    while (x.FindNextChild()) {
      const std::string child = x.ChildName();
      if (month.figures.size() < 5) month.figures.push_back(x.ChildText());
      if (child == "Remark" && !month.has_remark) {
        month.remark = x.ChildText();
        month.has_remark = true;
      } else if (child == "Pio" && month.pio.empty()) {
        month.pio = x.ChildText();
      } else if (child == "PioCredit" && !month.has_credit) {
        month.credit = x.ChildText();
        month.has_credit = true;
      }
    }
    x.Ascend();
    pub.months.push_back(std::move(month));
  }
  return pub;
}

Result<PubListFile> Validate(xml::XmlDocument document, const store::CongregationDatabase& db) {
  PubListFile file;
  xml::XmlDocument& x = document;
  x.ResetCursor();
  if (!x.FindNextSibling("PUBLIST")) return Invalid();
  if (x.FindNextChild("Agent")) {
    x.Descend();
    file.version = static_cast<int>(LeadingNumber(x.ElementAttribute("Ver")));
    x.Ascend();
  }
  x.ResetCursor();
  x.FindNextSibling("PUBLIST");
  if (!x.FindNextChild("Count")) return Invalid();
  const long long count = LeadingNumber(x.ChildText());
  if (count < 1 || count > kMaxImportCount) return Invalid();
  if (!EnterSection(x, file.section)) return Invalid();
  std::vector<std::string> names;
  for (int n = 0; n < count && x.FindNextChild("Pub"); ++n) {
    x.Descend();
    PubListEntry e;
    e.index = n;
    bool has_id = false;
    while (x.FindNextChild()) {
      const std::string name = x.ChildName();
      if (name == "fname" && e.fname.empty()) e.fname = x.ChildText();
      if (name == "lname" && e.lname.empty()) e.lname = x.ChildText();
      if (name == "id" && !has_id) {
        has_id = true;
        e.file_id = LeadingNumber(x.ChildText());
      }
    }
    x.Ascend();
    if (e.fname.empty() || e.lname.empty() || e.file_id < 0) return Invalid();
    file.entries.push_back(std::move(e));
  }
  // Duplicates: the same name as someone of the list the section fills.
  const bool surname_first = !db.sort_by_first_name;
  for (PubListEntry& e : file.entries) {
    // Compared as the import would store them.
    PublisherRecord probe;
    probe.SetText(f::kFname, e.fname.substr(0, 15));
    probe.SetText(f::kLname, e.lname.substr(0, 15));
    const std::string fn = probe.Text(f::kFname), ln = probe.Text(f::kLname);
    e.display = surname_first ? ln + ", " + fn : fn + " " + ln;
    for (const store::IndexEntry& i : db.status_list(SectionList(file.section))) {
      const PublisherRecord& p = db.row(i.row);
      if (p.Text(f::kFname) == fn && p.Text(f::kLname) == ln) {
        e.duplicate_of = p.id();
        e.display += " *";
        break;
      }
    }
  }
  file.document = std::move(document);
  return file;
}

// --- update or add, one step each -------------------------------------------------

struct Target {
  PublisherRecord record;
  store::ExtensionRecord extension{};
  bool extension_touched = false;
  bool updating = false;
  int row = 0;  // the existing publisher's row when updating
};

Target StartRecord(store::Document& doc, const PubListEntry& e, DuplicateChoice duplicates) {
  Target t;
  auto& db = doc.db();
  if (e.duplicate_of != 0 && duplicates == DuplicateChoice::kUpdate) {
    t.row = db.FindRow(e.duplicate_of);
    t.updating = t.row != 0;
  }
  if (t.updating) {
    t.record = db.row(t.row);
    if (auto ext = doc.ReadExtension(t.row)) t.extension = *ext;
  } else {
    // A publisher keeps the id his file gives him while no one here uses it,
    // so that reports taken later from the same program find him.
    const bool keep = e.file_id >= store::kFirstPersonId && e.file_id < 30000 &&
                      db.FindRow(static_cast<std::uint16_t>(e.file_id)) == 0;
    t.record.set_id(db.NewId(keep ? static_cast<std::uint16_t>(e.file_id) : store::kFirstPersonId));
    t.record.SetU16(196, store::kSpecialMinistryValid);
  }
  return t;
}

void CopyTexts(Target& t, const PubData& pub) {
  const std::pair<const char*, store::TextField> texts[] = {
      {"fname", f::kFname}, {"lname", f::kLname},   {"addr", f::kAddr},
      {"phone", f::kPhone}, {"phone2", f::kPhone2}, {"phone3", f::kPhone3}};
  // The field limits as the editor has them.
  const std::size_t limits[] = {15, 15, 60, 14, 14, 14};
  for (std::size_t i = 0; i < std::size(texts); ++i)
    if (const std::string* v = pub.Field(texts[i].first))
      t.record.SetText(texts[i].second, v->substr(0, limits[i]));
  const std::tuple<const char*, std::size_t, std::size_t, std::size_t> extension[] = {
      {"longname", 2, 65, 64}, {"email", 67, 51, 50}, {"extra", 118, 72, 71}};
  for (const auto& [name, at, size, limit] : extension) {
    if (const std::string* v = pub.Field(name)) {
      t.extension.set_text(at, size, v->substr(0, limit));
      t.extension_touched = true;
    }
  }
}

void CopyGender(Target& t, const PubData& pub) {
  const std::string* g = pub.Field("gender");
  if (g == nullptr) return;
  std::uint8_t a = t.record.attribute_flags();
  if (g->starts_with("Ma")) a |= store::attr::kMale;
  if (g->starts_with("Fe")) a |= store::attr::kFemale;
  t.record.SetU8(239, a);
}

void CopyDates(Target& t, const PubData& pub) {
  const std::pair<const char*, store::TextField> dates[] = {
      {"birdate", f::kBirdate}, {"bapdate", f::kBapdate}, {"dpa", f::kDpa}};
  for (const auto& [name, field] : dates) {
    const std::string* v = pub.Field(name);
    if (v == nullptr || v->size() != 10) continue;
    t.record.SetText(field, v->substr(5, 2) + v->substr(8, 2) + v->substr(0, 4));
    if (field.offset == f::kDpa.offset) t.record.SetU8(kThirdDateFlag, 1);
  }
}

Status CopyNeed(store::Document& doc, Target& t, const PubData& pub) {
  const std::string* v = pub.Field("specneed");
  if (v == nullptr || v->empty()) return {};
  const std::string need = v->substr(0, kNeedLimit);
  const auto& side = doc.db().side;
  for (std::size_t i = 0; i < side.needs.size() && i < side.need_keys.size(); ++i) {
    if (side.need_keys[i] != 0 && side.needs[i].need() == need) {
      t.record.set_specneed_key(side.need_keys[i]);
      return {};
    }
  }
  store::SpecialNeed record;
  record.set_text(2, 94, need);
  const Result<std::uint16_t> key = doc.WriteNeed(0, record);
  if (!key) return key.error();
  t.record.set_specneed_key(*key);
  return {};
}

void CopyGroup(const store::CongregationDatabase& db, Target& t, const PubData& pub) {
  const std::string* v = pub.Field("group");
  if (!t.updating || v == nullptr) return;
  const long long g = LeadingNumber(*v);
  if (g >= 1 && g <= db.side.groups.count()) t.record.set_group(static_cast<std::uint8_t>(g));
}

struct InactiveSince {
  int month = 0, year = 0;
  bool known() const { return month >= 1 && month <= 12 && year > 0; }
};

InactiveSince CopyInactive(const store::CongregationDatabase& db, Target& t, const PubData& pub,
                           const PubListFile& file, Date today) {
  InactiveSince in;
  if (file.section != PubListSection::kInactive) return in;
  t.record.set_list_type(ListType::kInactive);
  const std::string* month = pub.Field("inamonth");
  const std::string* year = pub.Field(file.version >= 9000 ? "inayear" : "year");
  if (file.version >= 9000) {
    const long long m = month != nullptr ? LeadingNumber(*month) : 0;
    const long long y = year != nullptr ? LeadingNumber(*year) : 0;
    if (m >= 1 && m <= 12) {
      t.record.SetU8(201, static_cast<std::uint8_t>((t.record.status_change() & 0x0F) | (m << 4)));
      in.month = static_cast<int>(m);
    }
    if (y >= 1951 && y <= today.year) {
      t.record.SetU8(238, static_cast<std::uint8_t>((y + 48) % 256));
      in.year = static_cast<int>(y);
    }
  } else if (year != nullptr) {
    const long long v = LeadingNumber(*year);
    if (v > 0 && v <= today.year) t.record.SetU8(238, static_cast<std::uint8_t>(v & 0xFF));
  }
  (void)db;
  return in;
}

void CopyServant(Target& t, const PubData& pub, PubListSection section) {
  const std::string* v = pub.Field("svt");
  if (section != PubListSection::kActive || v == nullptr) return;
  const int code = *v == "Elder" ? 2 : *v == "MinSvt" ? 1 : *v == "BapBro" ? 3 : 0;
  if (code == 0) return;
  t.record.SetU8(239, static_cast<std::uint8_t>(
                          (t.record.attribute_flags() & ~store::attr::kServantMask) | code));
}

// The months the export leaves without figures for an inactive publisher.
bool LeftOut(const InactiveSince& in, int m, int parity) {
  const int month = m + 1;
  const bool own = store::Parity(in.year - 2000) == parity;
  if (in.month > 6) return own && month >= in.month - 5 && month <= in.month;
  return own ? month <= in.month : month >= in.month + 7;
}

struct PendingRemark {
  int month_index, parity;
  std::string text;
};

std::vector<PendingRemark> CopyMonths(const store::CongregationDatabase& db, Target& t,
                                      const PubData& pub, PubListSection section,
                                      const InactiveSince& in) {
  std::vector<PendingRemark> remarks;
  if (section == PubListSection::kNonPublishers) return remarks;
  if (section == PubListSection::kInactive && !in.known()) return remarks;
  const int report_year = 2000 + db.month().report_year;
  const std::string less = Strings().Get(str::kCardLessThanHour);
  for (const PubMonth& month : pub.months) {
    const int m = month.month_index;
    const bool has_year = month.year.size() == 4;
    const int year = has_year ? static_cast<int>(LeadingNumber(month.year)) : 0;
    const int parity = has_year ? store::Parity(year - 2000) : month.occurrence % 2;
    if (section == PubListSection::kActive && has_year) {
      // Only the 24 months that end with the ReportMonth.
      if (year > report_year || year < report_year - 2) continue;
      if (year == report_year - 2 && m <= db.month().report_month_index) continue;
    }
    if (section == PubListSection::kInactive && LeftOut(in, m, parity)) continue;
    const int slot = m * 3 + parity;
    const int slot_year =
        has_year
            ? year
            : (parity == store::Parity(db.month().report_year) ? report_year : report_year - 1);
    const bool simplified = store::MonthCounter(slot_year - 2000, m) > store::kNewFormSwitch;
    auto figure = [&](std::size_t i) {
      return i < month.figures.size() ? month.figures[i] : std::string();
    };
    const auto [hours, quarters] = ParseHoursText(figure(2));
    const int code = month.pio.find("ux") != std::string::npos    ? 1
                     : month.pio.find("eg") != std::string::npos  ? 2
                     : month.pio.find("pec") != std::string::npos ? 3
                                                                  : 0;
    int studies = static_cast<int>(LeadingNumber(figure(4))) & store::studies::kStudiesMask;
    int stored_hours = std::clamp(hours, 0, 0xFFFF);
    bool took_part = false;
    std::string remark = month.remark;
    // A publisher's simplified month says only whether he took part.
    if (simplified && code == 0 && (t.record.pioneer_code(slot) & 3) == 0) {
      took_part = stored_hours > 0;
      stored_hours = 0;
    }
    // The earlier form's "under one hour" comes back as its bit.
    if (!simplified && stored_hours == 0 && quarters == 0 && remark.starts_with(less)) {
      took_part = true;
      remark = remark.size() > less.size() + 1 ? remark.substr(less.size() + 1) : std::string();
    }
    auto clamp16 = [](long long v) {
      return static_cast<std::uint16_t>(std::clamp<long long>(v, 0, 0xFFFF));
    };
    t.record.set_word(SlotWords::kPlcmts, slot, clamp16(LeadingNumber(figure(0))));
    t.record.set_word(SlotWords::kVideos, slot, clamp16(LeadingNumber(figure(1))));
    t.record.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(stored_hours));
    t.record.set_word(SlotWords::kReturnVisits, slot, clamp16(LeadingNumber(figure(3))));
    t.record.set_word(
        SlotWords::kStudiesWord, slot,
        static_cast<std::uint16_t>(studies | (took_part ? store::studies::kParticipated : 0) |
                                   (quarters << store::studies::kQuarterShift)));
    if (code != 0)
      t.record.set_pioneer_code(
          slot, static_cast<std::uint8_t>((t.record.pioneer_code(slot) & ~3) | code));
    if (month.has_credit)
      t.record.set_word(SlotWords::kPioCredit, slot, clamp16(LeadingNumber(month.credit)));
    if (remark.size() >= 2) remarks.push_back({m, parity, remark.substr(0, kRemarkLimit)});
  }
  return remarks;
}

void RenameDuplicate(Target& t, const PubListEntry& e, DuplicateChoice duplicates) {
  if (e.duplicate_of == 0 || duplicates != DuplicateChoice::kNew) return;
  std::string first = t.record.Text(f::kFname);
  if (first.size() > 13) first.resize(13);
  t.record.SetText(f::kFname, first + "2");
}

Result<int> StoreRecord(store::Document& doc, Target& t, PubListSection section) {
  auto& db = doc.db();
  if (t.updating) {
    db.row(t.row) = t.record;
    return t.row;
  }
  if (section == PubListSection::kNonPublishers)
    t.record.set_list_type(ListType::kNonPublisher);
  else if (section == PubListSection::kActive)
    t.record.set_list_type(ListType::kActive);
  if (Status added = db.AppendRow(t.record); !added) return added.error();
  return db.count() - 1;
}

}  // namespace

long long LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1'000'000'000; ++i)
    value = value * 10 + (text[i] - '0');
  return negative ? -value : value;
}

std::pair<int, int> ParseHoursText(std::string_view text) {
  std::size_t cut = text.size();
  for (std::string_view mark : {".", "\xBC", "\xBD", "\xBE"}) cut = std::min(cut, text.find(mark));
  const int whole =
      static_cast<int>(std::clamp<long long>(LeadingNumber(text.substr(0, cut)), 0, 0xFFFF));
  const std::string_view rest = cut < text.size() ? text.substr(cut) : std::string_view{};
  int quarters = 0;
  if (rest == ".25" || rest == "\xBC")
    quarters = 1;
  else if (rest == ".50" || rest == ".5" || rest == "\xBD")
    quarters = 2;
  else if (rest == ".75" || rest == "\xBE")
    quarters = 3;
  return {whole, quarters};
}

Result<PubListFile> ReadPubList(const platform::Path& path, const store::CongregationDatabase& db) {
  xml::XmlDocument x;
  if (!x.LoadFile(path)) return Invalid();
  return Validate(std::move(x), db);
}

Result<PubListFile> ReadPubListBytes(std::string_view bytes,
                                     const store::CongregationDatabase& db) {
  xml::XmlDocument x;
  x.LoadBytes(bytes);
  return Validate(std::move(x), db);
}

ImportTally TallyOf(const store::CongregationDatabase& db, const PubListFile& file,
                    const std::vector<int>& chosen) {
  const int existing = static_cast<int>(db.status_list(SectionList(file.section)).size());
  int added = 0;
  for (int i : chosen)
    if (i >= 0 && i < static_cast<int>(file.entries.size()) &&
        file.entries[static_cast<std::size_t>(i)].duplicate_of == 0)
      ++added;
  const int label = file.section == PubListSection::kActive     ? str::kCardActiveFile
                    : file.section == PubListSection::kInactive ? str::kCardInactiveFile
                                                                : str::kXmlStudentsLabel;
  ImportTally t;
  t.line = FormatPrintf("%s %d + %d = %d", {std::string_view(Strings().Get(label)), existing, added,
                                            existing + added});
  const int limit =
      file.section == PubListSection::kNonPublishers ? kMaxStudentsImported : kMaxImportCount;
  t.too_many = existing + added > limit;
  return t;
}

Result<ImportOutcome> ImportPubList(store::Document& doc, const PubListFile& file,
                                    const std::vector<int>& chosen, DuplicateChoice duplicates,
                                    Prompter& prompter) {
  auto& db = doc.db();
  ImportOutcome outcome;
  // The cursor moves while reading; the file stays as it was read.
  xml::XmlDocument x = file.document;
  const Date today{db.month().today_year, db.month().today_month, db.month().today_day};
  for (int i : chosen) {
    if (i < 0 || i >= static_cast<int>(file.entries.size())) continue;
    const PubListEntry& e = file.entries[static_cast<std::size_t>(i)];
    const PubData pub = ReadPub(x, file.section, e.index);
    Target t = StartRecord(doc, e, duplicates);
    if (!t.updating && t.record.id() == 0)
      return Message{str::kXmlInvalid, Strings().Get(str::kXmlInvalid)};
    CopyTexts(t, pub);
    CopyGender(t, pub);
    if (file.section != PubListSection::kNonPublishers) CopyDates(t, pub);
    if (Status s = CopyNeed(doc, t, pub); !s) return s.error();
    CopyGroup(db, t, pub);
    const InactiveSince in = CopyInactive(db, t, pub, file, today);
    CopyServant(t, pub, file.section);
    const std::vector<PendingRemark> remarks = CopyMonths(db, t, pub, file.section, in);
    RenameDuplicate(t, e, duplicates);
    const Result<int> row = StoreRecord(doc, t, file.section);
    if (!row) return row.error();
    if (t.extension_touched)
      if (Status s = doc.WriteExtension(*row, t.extension); !s) return s.error();
    for (const PendingRemark& r : remarks)
      (void)doc.SetRemark(*row, r.month_index, r.parity, r.text);
    (t.updating ? outcome.updated : outcome.added).push_back(db.row(*row).id());
  }
  db.modified = true;
  db.CountAllLists();
  db.RebuildIndexes(prompter);
  return outcome;
}

}  // namespace ledra::interchange
