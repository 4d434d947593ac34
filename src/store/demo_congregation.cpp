#include "store/demo_congregation.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/demo_names.h"
#include "store/document.h"
#include "store/remark_file.h"
#include "store/settings.h"

namespace ledra::store {
namespace {

// A small generator of our own, so a seed gives the same folder everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool Chance(int percent) { return Below(100) < percent; }
  std::string_view Pick(std::span<const std::string_view> list) {
    return list[static_cast<std::size_t>(Below(static_cast<int>(list.size())))];
  }

 private:
  std::uint64_t state_;
};

constexpr std::size_t kDemoNameMax = 14;

std::string Date8(int month, int day, int year) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%04d", month, day, year);
  return text;
}

struct Month {
  int index;  // MonthIndex
  int year;   // YearByte
  int slot() const { return MonthSlot(index, year); }
  int counter() const { return MonthCounter(year, index); }
};

// The 24 months that end with the ReportMonth, oldest first.
std::vector<Month> Window(const CongregationDatabase& db) {
  std::vector<Month> months;
  const int counter = db.month().counter;
  for (int back = 23; back >= 0; --back)
    months.push_back({(counter - back) % 12, (counter - back) / 12});
  return months;
}

enum class Role { kPublisher, kRegular, kAuxiliaryRegular, kSpecial };

struct Person {
  int row = 0;
  bool male = false;
  Role role = Role::kPublisher;
  int inactive_from = 0;  // MonthCounter from which no more reports (0 = none)
};

class Builder {
 public:
  Builder(Document& doc, const DemoOptions& options)
      : doc_(doc), db_(doc.db()), options_(options), random_(options.seed), months_(Window(db_)) {}

  Status Build();

 private:
  void Header();
  void People();
  PublisherRecord NewPerson(std::string_view first, std::string_view last, bool male,
                            ListType type);
  void Groups();
  void Activity();
  void Totals();
  void Attendance();
  Status SideFiles();

  Document& doc_;
  CongregationDatabase& db_;
  const DemoOptions& options_;
  Random random_;
  std::vector<Month> months_;
  std::vector<Person> people_;
  std::uint16_t next_id_ = kFirstPersonId;
};

void Builder::Header() {
  PublisherRecord& h = db_.header();
  for (const Month& m : months_)
    h.set_word(SlotWords::kRemarkIndex, m.slot(), static_cast<std::uint16_t>(m.year));
  // In the middle of a month: the ReportMonth is open, the year before it closed.
  for (int k = 0; k < 12; ++k) h.bytes[header::kMonthStates + static_cast<std::size_t>(k)] = 2;
  h.bytes[header::kMonthStates + static_cast<std::size_t>(db_.month().report_month_index)] = 1;
}

PublisherRecord Builder::NewPerson(std::string_view first, std::string_view last, bool male,
                                   ListType type) {
  PublisherRecord p;
  p.SetText(field::kFname, first);
  p.SetText(field::kLname, last);
  p.set_id(next_id_++);
  p.set_list_type(type);
  p.bytes[180] = random_.Chance(2) ? 'A' : 'O';
  p.bytes[239] = male ? attr::kMale : attr::kFemale;
  p.set_special_ministry_bits(kSpecialMinistryValid);
  const int birth_year = options_.today.year - random_.Between(8, 85);
  p.SetText(field::kBirdate, Date8(random_.Between(1, 12), random_.Between(1, 28), birth_year));
  if (type != ListType::kNonPublisher)
    p.SetText(field::kBapdate,
              Date8(random_.Between(1, 12), random_.Between(1, 28),
                    std::min(options_.today.year - 1, birth_year + random_.Between(12, 40))));
  return p;
}

void Builder::People() {
  const int total = options_.full ? kMaxDemoPeople : std::clamp(options_.people, 1, kMaxDemoPeople);
  const int now = db_.month().counter;
  int made = 0;
  while (made < total) {
    // One household: a head, maybe a spouse and children, one surname and address.
    // Names stay within the 14 characters the editor allows.
    std::string surname(random_.Pick(demo::Surnames()));
    if (options_.full || random_.Chance(30)) {
      const std::string_view second = random_.Pick(demo::Surnames());
      if (surname.size() + 1 + second.size() <= kDemoNameMax) surname.append(" ").append(second);
    }
    const std::string address = std::string(random_.Pick(demo::Streets())) + " " +
                                std::to_string(random_.Between(1, 240)) + ", " +
                                std::string(random_.Pick(demo::Towns()));
    const std::string phone = "2" + std::to_string(random_.Between(10000000, 99999999));
    const int size = std::min(total - made, random_.Between(1, 4));
    std::uint16_t head_id = 0;
    for (int k = 0; k < size; ++k, ++made) {
      const bool male = k == 0 ? random_.Chance(60) : random_.Chance(45);
      const std::string_view first = random_.Pick(male ? demo::MaleNames() : demo::FemaleNames());
      const int roll = random_.Below(100);
      ListType type = roll < 76   ? ListType::kActive
                      : roll < 82 ? ListType::kInactive
                      : roll < 86 ? ListType::kMoved
                      : roll < 97 ? ListType::kNonPublisher
                                  : ListType::kDeleted;
      PublisherRecord p = NewPerson(first, surname, male, type);
      p.SetText(field::kAddr, address);
      p.SetText(field::kPhone, phone);
      p.SetText(field::kPhone2, "9" + std::to_string(random_.Between(10000000, 99999999)));
      if (k == 0) {
        head_id = p.id();
        if (size > 1) p.bytes[239] |= attr::kHeadOfFamily;
      }
      if (size > 1) p.SetU16(188, head_id);
      Person person;
      person.male = male;
      if (type == ListType::kActive) {
        if (male && random_.Chance(35))
          p.bytes[239] |= random_.Chance(40) ? 2 : random_.Chance(50) ? 1 : 3;
        const int r = random_.Below(100);
        person.role = r < 10 ? Role::kRegular : r < 14 ? Role::kAuxiliaryRegular : Role::kPublisher;
        if (person.role == Role::kAuxiliaryRegular) p.bytes[239] |= attr::kRegularAuxiliary;
      } else if (type == ListType::kInactive) {
        person.inactive_from = now - random_.Between(7, 20);
        const int since = person.inactive_from;
        // The month since which inactive sits in the high four bits.
        p.bytes[201] = static_cast<std::uint8_t>((since % 12 + 1) << 4);
        p.bytes[238] = static_cast<std::uint8_t>((2000 + since / 12 + 48) % 256);
      } else if (type == ListType::kMoved) {
        person.inactive_from = now - random_.Between(1, 12);
        p.bytes[201] = static_cast<std::uint8_t>(((person.inactive_from % 12 + 1) << 4));
      } else if (type == ListType::kDeleted) {
        p.SetU16(192, static_cast<std::uint16_t>(((options_.today.year - 1950) << 8) |
                                                 options_.today.month));
      }
      (void)db_.AppendRow(p);
      people_.push_back(person);
      people_.back().row = db_.count() - 1;
    }
  }
  // Two special pioneers among the active men, and the circuit overseer.
  int specials = 0;
  for (Person& p : people_) {
    if (specials < 2 && p.male && db_.row(p.row).is(ListType::kActive)) {
      p.role = Role::kSpecial;
      ++specials;
    }
  }
  PublisherRecord co = NewPerson("Greg\xF3rio", "Valadares", true, ListType::kCircuitOverseer);
  co.bytes[239] |= 2;
  (void)db_.AppendRow(co);
}

void Builder::Groups() {
  int actives = 0;
  for (const Person& p : people_) actives += db_.row(p.row).is(ListType::kActive) ? 1 : 0;
  const int count = std::clamp(actives / 14, 1, GroupTable::kMaxGroups);
  GroupTable& groups = db_.side.groups;
  groups.set_count(count);
  // Households stay together: a person's group is that of the head.
  std::vector<std::string> overseers(static_cast<std::size_t>(count + 1));
  std::vector<std::string> assistants(static_cast<std::size_t>(count + 1));
  for (const Person& p : people_) {
    PublisherRecord& r = db_.row(p.row);
    if (!r.is(ListType::kActive) && !r.is(ListType::kInactive)) continue;
    const int head_row = r.household() ? db_.FindRow(r.household()) : 0;
    const int g = head_row > 0 && db_.row(head_row).group() ? db_.row(head_row).group()
                                                            : 1 + random_.Below(count);
    r.set_group(static_cast<std::uint8_t>(g));
    const int servant = r.attribute_flags() & attr::kServantMask;
    const std::string name = r.fname() + " " + r.lname();
    if (!r.is(ListType::kActive) || name.size() > 23) continue;
    if (servant == 2 && overseers[static_cast<std::size_t>(g)].empty()) {
      overseers[static_cast<std::size_t>(g)] = name;
    } else if ((servant == 1 || servant == 2) && assistants[static_cast<std::size_t>(g)].empty()) {
      assistants[static_cast<std::size_t>(g)] = name;
    }
  }
  using T = GroupTable::Text;
  for (int g = 1; g <= count; ++g) {
    groups.set_text(g, T::kOverseer, overseers[static_cast<std::size_t>(g)]);
    groups.set_text(g, T::kAssistant, assistants[static_cast<std::size_t>(g)]);
    groups.set_text(g, T::kPlace, "Sal\xE3o do Reino");
    const auto names = demo::GroupNames();
    groups.set_text(g, T::kName, names[static_cast<std::size_t>(g - 1) % names.size()]);
    groups.set_text(g, T::kTime, g % 2 ? "10:00" : "18:30");
    groups.bytes[2101 + static_cast<std::size_t>(g - 1)] = static_cast<std::uint8_t>(g % 2 ? 5 : 2);
    groups.bytes[2121 + static_cast<std::size_t>(g - 1)] = 1;
  }
}

void Builder::Activity() {
  const int now = db_.month().counter;
  int late = 0;
  for (const Person& person : people_) {
    PublisherRecord& p = db_.row(person.row);
    const bool active = p.is(ListType::kActive);
    const bool reports = active || p.is(ListType::kInactive) || p.is(ListType::kMoved);
    if (!reports) continue;
    const int studies_usual = random_.Chance(30) ? random_.Between(1, 2) : 0;
    for (const Month& m : months_) {
      const int slot = m.slot();
      const bool current = m.counter() == now;
      if (person.inactive_from && m.counter() >= person.inactive_from) continue;
      if (current && !random_.Chance(55)) continue;  // the month is still being collected
      if (!random_.Chance(active ? 94 : 70)) continue;
      std::uint8_t code = 0;
      switch (person.role) {
        case Role::kRegular:
          code = 2;
          break;
        case Role::kSpecial:
          code = 3;
          break;
        case Role::kAuxiliaryRegular:
          code = 1;
          break;
        case Role::kPublisher:
          code = random_.Chance(4) ? 1 : 0;
          break;
      }
      p.set_pioneer_code(slot, code);
      const int studies = std::max(0, studies_usual + random_.Between(-1, 1));
      int hours = 0;
      if (code == 2) hours = random_.Between(40, 62);
      if (code == 3) hours = random_.Between(95, 120);
      if (code == 1) hours = random_.Between(15, 32);
      std::uint16_t studies_word = static_cast<std::uint16_t>(studies);
      if (m.counter() > kNewFormSwitch) {
        // The simplified report: participation and studies; hours for pioneers
        // (their hours say that they took part).
        if (hours == 0) studies_word |= studies::kParticipated;
        p.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(hours));
        if (code >= 2 && random_.Chance(15)) {
          const int credit = random_.Between(2, 10);
          p.set_word(SlotWords::kPioCredit, slot, static_cast<std::uint16_t>(credit));
        }
      } else {
        if (code == 0) hours = random_.Between(3, 14);
        p.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(hours));
        p.set_word(SlotWords::kPlcmts, slot,
                   static_cast<std::uint16_t>(random_.Between(0, hours / 2)));
        p.set_word(SlotWords::kVideos, slot, static_cast<std::uint16_t>(random_.Between(0, 4)));
        p.set_word(SlotWords::kReturnVisits, slot,
                   static_cast<std::uint16_t>(random_.Between(0, hours / 3)));
        if (random_.Chance(20))
          studies_word |= static_cast<std::uint16_t>(random_.Between(1, 3) << 12);
      }
      p.set_word(SlotWords::kStudiesWord, slot, studies_word);
      // A few reports of last month arrived late, in this month.
      if (active && m.counter() == now - 1 && late < 4 && random_.Chance(5)) {
        db_.late_entries().push_back(
            {p.id(), static_cast<std::uint8_t>(m.index),
             static_cast<std::uint8_t>(db_.month().report_month_index + 1)});
        ++late;
      }
    }
  }
}

void Builder::Totals() {
  for (const Month& m : months_) {
    const int parity = Parity(m.year);
    auto add = [&](int row, int column, int value) {
      auto& cell = db_.side.totals_card[TotalsCardIndex(m.index, row, column, parity)];
      cell = static_cast<std::uint16_t>(cell + value);
    };
    int actives = 0;
    for (const Person& person : people_) {
      const PublisherRecord& p = db_.row(person.row);
      if (!p.is(ListType::kActive)) continue;
      ++actives;
      const int slot = m.slot();
      const std::uint16_t sw = p.word(SlotWords::kStudiesWord, slot);
      const bool reported = (sw & studies::kParticipated) || p.word(SlotWords::kHours, slot) > 0;
      if (!reported) continue;
      const int row = p.pioneer_code(slot) & 3;
      add(row, 0, p.word(SlotWords::kPlcmts, slot));
      add(row, 1, p.word(SlotWords::kVideos, slot));
      add(row, 2, p.word(SlotWords::kHours, slot));
      add(row, 3, p.word(SlotWords::kReturnVisits, slot));
      add(row, 4, sw & studies::kStudiesMask);
      add(row, 8, 1);
    }
    add(0, 5, actives);
  }
}

void Builder::Attendance() {
  int actives = 0;
  for (const Person& p : people_) actives += db_.row(p.row).is(ListType::kActive) ? 1 : 0;
  for (int b = 0; b < 2; ++b) {
    AttendanceBlock& block = db_.side.attendance[static_cast<std::size_t>(b)];
    for (const Month& m : months_) {
      const auto slot = static_cast<std::size_t>(m.slot());
      const int weeks = random_.Chance(25) ? 5 : 4;
      int total = 0;
      for (int w = 0; w < weeks; ++w) {
        const int present = actives * (b == 0 ? 105 : 125) / 100 + random_.Between(-6, 6);
        block.set_u16(96 + 72 * static_cast<std::size_t>(w) + 2 * slot,
                      static_cast<std::uint16_t>(present));
        total += present;
      }
      block.set_u16(456 + 2 * slot, static_cast<std::uint16_t>(weeks));
      block.set_u16(528 + 2 * slot, static_cast<std::uint16_t>(total));
      block.set_u16(600 + 2 * slot, static_cast<std::uint16_t>((total + weeks / 2) / weeks));
    }
  }
  db_.side.attendance_file_was_empty = false;
}

Status Builder::SideFiles() {
  // A large congregation fills a table at most to its capacity.
  const int n = static_cast<int>(people_.size());
  const int contacts =
      options_.full ? kMaxEmergencyContacts : std::min(n / 3, kMaxEmergencyContacts);
  const int needs = options_.full ? kMaxSpecialNeeds : std::min(n / 25, kMaxSpecialNeeds);
  const int extensions =
      std::min(options_.full ? kMaxExtensionPositions : n / 2, kMaxExtensionPositions - 1);
  const int remarks = std::min(options_.full ? kRemarkTableFullAt : n / 4, kRemarkTableFullAt - 1);
  const int appointments = options_.full ? kMaxAppointments : std::min(n, kMaxAppointments);

  auto person = [&](int k) -> PublisherRecord& {
    return db_.row(people_[static_cast<std::size_t>(k) % people_.size()].row);
  };
  for (int k = 0; k < contacts; ++k) {
    EmergencyContact c;
    PublisherRecord& p = person(k);
    c.set_text(2, 96, std::string(random_.Pick(demo::FemaleNames())) + " " + p.lname());
    c.set_text(98, 96, "Familiar");
    c.set_text(210, 16, "9" + std::to_string(random_.Between(10000000, 99999999)));
    c.bytes[242] = random_.Chance(50) ? 1 : 0;
    auto key = doc_.WriteContact(0, c);
    if (!key) return key.error();
    p.set_emergency_key(*key);
  }
  for (int k = 0; k < needs; ++k) {
    SpecialNeed n;
    n.set_text(
        2, 94,
        std::string(random_.Pick(demo::Needs())) + (options_.full ? " " + std::to_string(k) : ""));
    auto key = doc_.WriteNeed(0, n);
    if (!key) return key.error();
    person(k * 7 + 3).set_specneed_key(*key);
  }
  for (int k = 0; k < extensions && k < static_cast<int>(people_.size()); ++k) {
    const int row = people_[static_cast<std::size_t>(k)].row;
    ExtensionRecord e;
    const PublisherRecord& p = db_.row(row);
    e.set_text(2, 65, p.fname() + " Maria " + p.lname());
    e.set_text(67, 51, "pessoa" + std::to_string(p.id()) + "@exemplo.pt");
    if (Status s = doc_.WriteExtension(row, e); !s) return s;
  }
  int written = 0;
  for (int k = 0; written < remarks && k < remarks * 4; ++k) {
    const Person& who = people_[static_cast<std::size_t>(k) % people_.size()];
    if (!db_.row(who.row).is(ListType::kActive)) continue;
    const Month& m =
        months_[static_cast<std::size_t>(23 - (k / static_cast<int>(people_.size())) % 24)];
    const int credit = db_.row(who.row).word(SlotWords::kPioCredit, m.slot());
    const std::string text = credit ? "Horas de cr\xE9"
                                      "dito: " +
                                          std::to_string(credit)
                                    : std::string(random_.Pick(demo::Remarks()));
    if (Status s = doc_.SetRemark(who.row, m.index, Parity(m.year), text); !s) return s;
    ++written;
  }
  // Privileges with their dates, and the consent to keep personal data.
  for (int k = 0; static_cast<int>(db_.side.appointments.size()) < appointments; ++k) {
    const Person& who = people_[static_cast<std::size_t>(k) % people_.size()];
    const PublisherRecord& p = db_.row(who.row);
    const int servant = p.attribute_flags() & attr::kServantMask;
    // The first pass gives each person the privilege he holds (or the
    // consent); a full folder then adds every other kind, never twice.
    const int pass = k / static_cast<int>(people_.size());
    std::uint16_t kind = 20;
    if (pass > 0) {
      kind = static_cast<std::uint16_t>(pass);
    } else if (!options_.full) {
      if (who.role == Role::kRegular) kind = 3;
      if (servant == 2) kind = 2;
      if (servant == 1) kind = 1;
    }
    AppointmentEntry a;
    a.set_u16(0, p.id());
    a.set_u16(2, kind);
    a.set_text(4, 9,
               Date8(random_.Between(1, 12), random_.Between(1, 28),
                     options_.today.year - random_.Between(1, 15)));
    db_.side.appointments.push_back(a);
  }
  return {};
}

Status Builder::Build() {
  Header();
  People();
  Groups();
  Activity();
  Totals();
  Attendance();
  if (Status s = SideFiles(); !s) return s;
  // Rows carry their own links (ids, keys, remark positions), so they can be
  // put in name order last.
  db_.SortTable();
  db_.modified = true;
  return {};
}

}  // namespace

namespace {

// Where the folder is built before it is renamed into place: beside it, so
// the rename stays on one disk.
platform::Path StagingFolder(const platform::Path& target) {
  return target.parent_path() /
         ("." + target.filename().string() + ".demo-" + std::to_string(::getpid()));
}

Status BuildDemo(const platform::Path& folder, const DemoOptions& options, Prompter& prompter) {
  FixedClock clock(options.today);
  Document doc(folder, clock, prompter);
  doc.Open({});
  // Thousands of single-record writes need no disk wait each; the save at the
  // end writes the whole set durably.
  platform::SetDurableWrites(!options.full);
  Builder builder(doc, options);
  Status built = builder.Build();
  platform::SetDurableWrites(true);
  if (!built) return built;
  doc.db().RebuildIndexes(prompter);
  Status saved = doc.SaveCommand(/*from_menu=*/false);
  doc.DeleteRemarkUndo();
  if (!saved) return saved;
  // A name on the home view and the reports' headings, as a real one has.
  const platform::Path settings_file = SettingsPath(folder);
  Settings settings = LoadSettings(settings_file, LanguageCode());
  settings.cong_name = Strings().Get(str::kDemoCongName);
  return SaveSettings(settings, settings_file, LanguageCode());
}

// Puts the finished folder in place: one rename when the target is missing or
// empty; otherwise file by file with the main data file last, so that an
// interruption never leaves a main file without its side files.
Status MoveIntoPlace(const platform::Path& staged, const platform::Path& target) {
  std::error_code ec;
  if (!platform::FolderExists(target) || std::filesystem::is_empty(target, ec))
    return platform::RenameFile(staged, target);
  auto names = platform::ListFolder(staged, "*");
  if (!names) return names.error();
  const std::string main = Strings().Get(str::kFileMain);
  std::stable_partition(names->begin(), names->end(),
                        [&main](const std::string& name) { return name != main; });
  for (const std::string& name : *names) {
    if (Status s = platform::RenameFile(staged / name, target / name); !s) return s;
  }
  std::filesystem::remove(staged, ec);
  return {};
}

}  // namespace

// Every row of the main file but the header and the circuit overseer's.
static_assert(kMaxDemoPeople == kMaxRecords - 2);

Status CheckDemoOptions(const DemoOptions& options) {
  if (!options.full && (options.people < 1 || options.people > kMaxDemoPeople)) {
    return Message{
        str::kDemoPeopleOutOfRange,
        Strings().Format(str::kDemoPeopleOutOfRange,
                         {std::to_string(options.people), "1", std::to_string(kMaxDemoPeople)})};
  }
  return {};
}

Status WriteDemoCongregation(const platform::Path& folder, const DemoOptions& options,
                             Prompter& prompter) {
  if (platform::FileExists(folder / Strings().Get(str::kFileMain)) ||
      platform::FileExists(folder / Strings().Get(str::kFileMainOld))) {
    return Message{str::kDemoFolderHasData,
                   Strings().Format(str::kDemoFolderHasData, {platform::PathForMessage(folder)})};
  }
  if (Status s = CheckDemoOptions(options); !s) return s;
  platform::Path target = std::filesystem::absolute(folder).lexically_normal();
  if (!target.has_filename()) target = target.parent_path();
  if (Status s = platform::CreateFolders(target.parent_path()); !s) return s;
  // A demo cut short (killed, disk full) must never look like a congregation:
  // it is built aside and appears whole or not at all.
  const platform::Path staged = StagingFolder(target);
  std::error_code ec;
  std::filesystem::remove_all(staged, ec);
  if (Status s = platform::CreateFolders(staged); !s) return s;
  Status done = BuildDemo(staged, options, prompter);
  if (done) done = MoveIntoPlace(staged, target);
  std::filesystem::remove_all(staged, ec);
  return done;
}

}  // namespace ledra::store
