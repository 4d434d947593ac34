#include "store/document.h"

#include "store/document_load_state.h"

#include <algorithm>
#include <cstring>

#include "platform/file_set_commit.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/appointment_file.h"
#include "store/attendance_file.h"
#include "store/extension_file.h"
#include "store/group_table_file.h"
#include "store/keyed_records.h"
#include "store/main_file_check.h"
#include "store/old_record_conversion.h"
#include "store/participated_flags_file.h"
#include "store/record_file.h"
#include "store/remark_file.h"
#include "store/text_scrambler.h"
#include "store/totals_card_file.h"

namespace ledra::store {

namespace {

std::span<const std::uint8_t, kOldRecordSize> OldRecordAt(const std::string& bytes,
                                                          std::size_t at) {
  return std::span<const std::uint8_t, kOldRecordSize>(
      reinterpret_cast<const std::uint8_t*>(bytes.data() + at), kOldRecordSize);
}

void MarkSpecialMinistryValid(PublisherRecord& rec) {
  if ((rec.special_ministry_bits() & kSpecialMinistryValid) == 0)
    rec.set_special_ministry_bits(kSpecialMinistryValid);
}

}  // namespace

Document::Document(platform::Path data_folder, const Clock& clock, Prompter& prompter)
    : data_folder_(std::move(data_folder)), clock_(clock), prompter_(prompter) {}

const platform::Path& Document::current_folder() const {
  return db_.month().viewing_past ? past_folder_ : data_folder_;
}

platform::Path Document::FilePath(int name_id) const {
  return current_folder() / Strings().Get(name_id);
}

std::optional<std::string> Document::ReadDataFile(int name_id) const {
  if (read_only()) {
    // A save cut short leaves its new files waiting; a reader that may not
    // finish it reads them where they wait.
    const auto path = platform::PendingFileFor(current_folder(), Strings().Get(name_id));
    return path ? platform::ReadFileIfPresent(*path) : std::nullopt;
  }
  return platform::ReadFileIfPresent(FilePath(name_id));
}

platform::Path Document::PastMonthFolder(int n) const {
  return data_folder_ / Strings().Get(str::kFolderRoll) /
         FormatPrintf(Strings().Get(str::kFolderPastMonth), {static_cast<long long>(n)});
}

OpenOutcome Document::Open(const OpenOptions& options) {
  options_ = options;
  damage_.reset();
  if (!options_.read_only) {
    // Only the holder of the folder's lock gets here, so whatever a save left
    // behind belongs to a writer that is gone.
    if (Status s = platform::RecoverFileSet(data_folder_); !s) prompter_.Inform(s.error().text);
    for (int n = 1; n <= 12; ++n) {
      const platform::Path copy = PastMonthFolder(n);
      if (platform::FolderExists(copy)) (void)platform::RecoverFileSet(copy);
    }
  }
  db_.modified = false;
  db_.month().viewing_past = false;
  db_.month().past_month_mask = 0;
  db_.month().early_year = options.early_year;
  db_.month().early_month = options.early_month;
  Load(/*at_opening=*/true);
  if (damage_) prompter_.Inform(damage_->text);
  return db_.count() > 0 ? OpenOutcome::kOpened : OpenOutcome::kRefused;
}

void Document::Reload() {
  db_.modified = false;
  Load(/*at_opening=*/false);
}

void Document::Load(bool at_opening) {
  LoadState s;
  s.at_opening = at_opening;
  LoadTodayAndSharedSettings(s);
  LoadMainFile(s);
  LoadHeaderDerived(s);
  LoadSortIndexParticipated(s);
  LoadOldLists(s);
  LoadUnscramble(s);
  LoadSecondSortAndRepair(s);
  LoadSideFilesAfterPeople(s);
  // A restore reloads the folder: a mended file opens for writing again.
  if (!db_.month().viewing_past)
    damage_ = CheckMainFile(db_, MainFileFacts{s.read_records}, data_folder_);
  if (at_opening && header::HasPassword(db_.header())) {
    const bool granted =
        options_.check_password && options_.check_password(header::Password(db_.header()));
    if (!granted) {
      db_.Reset();
      db_.rows().clear();
      return;
    }
  }
  LoadOldMeetingAndMonthState(s);
  LoadRemarksAndAttendance(s);
  if (at_opening) CheckPastMonths();
  LoadPresence(s);
}

void Document::LoadTodayAndSharedSettings(LoadState&) {
  Date today = clock_.Today();
  ReportMonthState& m = db_.month();
  // From the 25th an early start recorded in the settings counts as today.
  if (today.day >= 25 && m.early_year != 0 && m.early_month >= 1 && m.early_month <= 12) {
    today.year = 2000 + m.early_year;
    today.month = m.early_month;
  }
  const ReportMonthState kept = m;
  db_.SetToday(today.year, today.month, today.day);
  if (kept.viewing_past) {
    m.viewing_past = true;
    m.past_month_index = kept.past_month_index;
    m.past_year = kept.past_year;
    m.past_month_mask = kept.past_month_mask;
    m.report_month_index = kept.past_month_index;
    m.report_year = kept.past_year;
  } else {
    m.past_month_mask = kept.past_month_mask;
  }
  db_.side.shared_settings.fill(0);
  if (auto bytes = ReadDataFile(str::kFileSharedSettings)) {
    std::memcpy(db_.side.shared_settings.data(), bytes->data(),
                std::min(bytes->size(), db_.side.shared_settings.size()));
  }
}

void Document::LoadMainFile(LoadState& s) {
  // The extension records are read first; their texts are decoded once the
  // main file has given the scramble base.
  extension_file_ = ReadDataFile(str::kFileExtensions).value_or(std::string{});
  db_.Reset();
  db_.rows().clear();
  surplus_.clear();
  converted_ = false;
  bool refused = false;

  auto main = ReadDataFile(str::kFileMain);
  if (main && main->size() > 400) {
    for (std::size_t at = 0; at + kRecordSize <= main->size(); at += kRecordSize) {
      if (db_.count() >= kMaxRecords) {
        // Kept as read and written back after the table, so nothing is lost.
        surplus_.append(*main, at, main->size() / kRecordSize * kRecordSize - at);
        refused = true;
        break;
      }
      PublisherRecord rec;
      std::memcpy(rec.bytes.data(), main->data() + at, kRecordSize);
      MarkSpecialMinistryValid(rec);
      db_.rows().push_back(rec);
      s.read_records = true;
    }
  } else if (auto old = ReadDataFile(str::kFileMainOld)) {
    s.conversion = true;
    converted_ = true;
    db_.modified = true;
    const auto& m = db_.month();
    for (std::size_t at = 0; at + kOldRecordSize <= old->size(); at += kOldRecordSize) {
      if (db_.count() >= kMaxRecords) {
        refused = true;
        break;
      }
      const auto bytes = OldRecordAt(*old, at);
      PublisherRecord rec = ConvertOldFields(bytes);
      if (at == 0) {
        s.years = ConversionYearsOf(bytes, m.today_year - 2000, m.today_month - 1);
        ConvertOldHeader(rec, bytes, s.years, m.report_month_index, m.report_year);
      } else {
        ConvertOldMonths(rec, bytes, s.years, m.report_month_index, m.report_year);
      }
      MarkSpecialMinistryValid(rec);
      db_.rows().push_back(rec);
      s.read_records = true;
    }
  }
  if (refused) {
    prompter_.Inform(Strings().Format(
        str::kTooManyPeople,
        {platform::PathForMessage(FilePath(s.conversion ? str::kFileMainOld : str::kFileMain)),
         std::to_string(kMaxRecords - 1)}));
  }
}

void Document::LoadHeaderDerived(LoadState& s) {
  const auto& m = db_.month();
  if (db_.count() > 0) {
    const PublisherRecord& h = db_.header();
    db_.last_entered_id = (h.U16(header::kSavedMonth) & 0x0F) == m.report_month_index + 1
                              ? h.U16(header::kLastEnteredId)
                              : 0;
    if (s.conversion) {
      // Totals cards of the previous version, then its late reports.
      auto import_cards = [&](const platform::Path& path, bool second) {
        auto bytes = platform::ReadFileIfPresent(path);
        if (!bytes || bytes->size() < 864) return;
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes->data());
        for (int b = 0; b < 12; ++b) {
          const int stamp = header::YearStamp(db_.header(), MonthSlot(b, m.report_year));
          if (b == m.report_month_index && Parity(stamp) != Parity(m.report_year)) continue;
          const int parity = second ? Parity(m.today_year + (b < 7 ? 1 : 0))
                                    : Parity(m.report_year + (m.report_month_index < b ? 1 : 0));
          for (int k = 0; k < 36; ++k) {
            db_.side.totals_card[static_cast<std::size_t>(72 * b + 2 * k + parity)] =
                GetU16(p + 72 * b + 2 * k);
          }
        }
      };
      import_cards(FilePath(str::kFileCardsOld), false);
      import_cards(data_folder_ / Strings().Get(str::kFolderRoll) /
                       Strings().Get(str::kFolderPastCardsOld) / Strings().Get(str::kFileCardsOld),
                   true);
      (void)WriteSideFile(str::kFileTotalsCard, WriteTotalsCard(db_.side.totals_card));
      if (auto old_remarks = ReadDataFile(str::kFileRemarksOld)) {
        remark_file_ = ConvertOldRemarks(ReadDataFile(str::kFileRemarks).value_or(std::string{}),
                                         *old_remarks, db_);
        (void)WriteSideFile(str::kFileRemarks, remark_file_);
      }
      if (auto late = ReadDataFile(str::kFileLateOld)) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(late->data());
        for (std::size_t i = 0; i < 99 && 4 * i + 4 <= late->size(); ++i) {
          const std::uint16_t id = GetU16(p + 4 * i);
          const int month = p[4 * i + 2];
          const int r = db_.FindRow(id);  // before any index: a scan of the rows
          if (r == 0 || month > 11) continue;
          const int year = m.today_year + (m.report_month_index < month ? 1 : 0);
          db_.row(r).set_late_month(MonthSlot(month, year), p[4 * i + 3]);
        }
      }
    }
    db_.BuildLateEntries();
    if (!s.conversion) {
      if (auto card = ReadDataFile(str::kFileTotalsCard))
        db_.side.totals_card = ReadTotalsCard(*card);
    }
    if (auto groups = ReadDataFile(str::kFileGroups)) {
      GroupFileRead read = ReadGroupFile(*groups);
      db_.side.groups = read.table;
      if (read.converted) db_.modified = true;
    }
  }
  if (db_.count() == 0) {
    // Marked like every record read, so a first save and a reload agree.
    PublisherRecord fresh = header::Fresh();
    MarkSpecialMinistryValid(fresh);
    db_.rows().push_back(fresh);
  }
}

void Document::LoadSortIndexParticipated(LoadState&) {
  db_.SortTable();
  db_.CountList(ListType::kActive);
  db_.RebuildIndexes(prompter_);
  if (auto flags = ReadDataFile(str::kFileParticipated)) ApplyParticipatedFlags(db_, *flags);
}

void Document::LoadOldLists(LoadState& s) {
  if (s.conversion) {
    const std::pair<int, ListType> lists[] = {{str::kFileInactiveOld, ListType::kInactive},
                                              {str::kFileMovedOld, ListType::kMoved},
                                              {str::kFileNonPublisherOld, ListType::kNonPublisher},
                                              {str::kFileDeletedOld, ListType::kDeleted}};
    for (const auto& [name, type] : lists) {
      auto bytes = ReadDataFile(name);
      if (!bytes) continue;
      for (std::size_t i = 0; i < 300 && (i + 1) * kOldRecordSize <= bytes->size(); ++i) {
        const auto old = OldRecordAt(*bytes, i * kOldRecordSize);
        PublisherRecord rec = ConvertOldFields(old);
        const auto& m = db_.month();
        ConvertOldMonths(rec, old, s.years, m.report_month_index, m.report_year);
        rec.set_list_type(type);
        MarkSpecialMinistryValid(rec);
        if (!db_.AppendRow(rec)) {
          prompter_.Inform(Strings().Format(
              str::kTooManyPeople,
              {platform::PathForMessage(FilePath(name)), std::to_string(kMaxRecords - 1)}));
          break;
        }
      }
    }
  }
  db_.CountAllLists();
}

void Document::LoadUnscramble(LoadState&) {
  const std::uint8_t marker = db_.header().bytes[header::kScrambleMarker];
  if (marker == header::kPlainMarker) {
    scramble_base_ = kDefaultScrambleBase;
    return;
  }
  // The folder keeps the base its files were written with.
  scramble_base_ = static_cast<std::uint8_t>(marker - header::kPlainMarker);
  for (PublisherRecord& rec : db_.rows()) ScrambleRecord(rec, kUnscramble, scramble_base_);
}

void Document::LoadSecondSortAndRepair(LoadState& s) {
  db_.SortTable();
  db_.side.appointments = ReadRecords<AppointmentEntry>(
      ReadDataFile(str::kFileAppointments).value_or(std::string{}), kMaxAppointments);
  db_.RebuildIndexes(prompter_);
  if (s.at_opening) db_.RepairDuplicateIds();
}

void Document::LoadOldMeetingAndMonthState(LoadState& s) {
  if (!s.conversion) return;
  if (auto old = ReadDataFile(str::kFileMeetingOld)) {
    ConvertOldMeetings(db_, *old);
    s.meetings_converted = true;
    (void)WriteSideFile(str::kFileAttendance, WriteAttendance(db_));
  }
  const auto& m = db_.month();
  const int slot = MonthSlot(m.report_month_index, m.report_year);
  const bool current = header::YearStamp(db_.header(), slot) == m.report_year;
  db_.header().bytes[header::kMonthStates + static_cast<std::size_t>(m.report_month_index)] =
      static_cast<std::uint8_t>(current ? header::MonthState::kOpen : header::MonthState::kClosed);
}

void Document::LoadPresence(LoadState&) {
  db_.UpdatePresenceFlags();
}

void Document::CheckPastMonths() {
  auto& m = db_.month();
  m.past_month_mask = 0;
  const int base = m.viewing_past ? m.open_month_index : m.report_month_index;
  for (int d = 1; d <= 6; ++d) {
    const int n = MonthsBack(base, d) + 1;
    const platform::Path copy = PastMonthFolder(n) / Strings().Get(str::kFileMain);
    if (platform::FileExists(copy) && platform::ReadFile(copy).ok()) m.past_month_mask |= 1u << d;
  }
}

Status Document::SaveAll() {
  // A past month's copy is never written. A folder opened only for reading
  // says so instead of pretending that the changes were kept.
  if (db_.month().viewing_past) return {};
  if (damage_) {
    // Saving would write the damaged or empty table over what the folder kept.
    prompter_.Inform(damage_->text);
    return *damage_;
  }
  if (options_.read_only) {
    Message message{
        str::kDataFolderReadOnly,
        Strings().Format(str::kDataFolderReadOnly, {platform::PathForMessage(data_folder_)})};
    prompter_.Inform(message.text);
    return message;
  }
  PublisherRecord& h = db_.header();
  const auto& m = db_.month();
  if (db_.count() > 0) {
    h.SetU16(header::kLastEnteredId, db_.last_entered_id);
    h.SetU16(header::kSavedMonth, static_cast<std::uint16_t>((h.U16(header::kSavedMonth) & 0xFFF0) |
                                                             (m.report_month_index + 1)));
  }
  db_.ApplyLateEntries();

  // The texts are scrambled in a copy, so the table in memory never goes
  // through the rule's blind spots.
  const bool plain = h.bytes[header::kScrambleMarker] == header::kPlainMarker;
  PublisherRecord header_copy = h;
  if (plain) ScrambleRecord(header_copy, kScramble, scramble_base_);
  const bool scrambled_ok =
      header_copy.bytes[header::kScrambleMarker] == ScrambledMarker(scramble_base_);

  // Every file of the save lands together or not at all.
  platform::FileSetCommit files(current_folder());
  auto name = [](int id) { return Strings().Get(id); };
  std::optional<std::string> flags;
  if (scrambled_ok) {
    files.Remove(name(str::kFileParticipated));
    flags = ExtractParticipatedFlags(db_);
    if (flags) files.Put(name(str::kFileParticipated), *flags);
    std::string image;
    image.reserve(static_cast<std::size_t>(db_.count()) * kRecordSize + surplus_.size());
    for (int r = 0; r < db_.count(); ++r) {
      PublisherRecord copy = db_.row(r);
      if (plain) ScrambleRecord(copy, kScramble, scramble_base_);
      image.append(reinterpret_cast<const char*>(copy.bytes.data()), kRecordSize);
    }
    image += surplus_;
    files.Put(name(str::kFileMain), std::move(image));
    files.Put(name(str::kFileTotalsCard), WriteTotalsCard(db_.side.totals_card));
    files.Remove(name(str::kFileGroups));
    if (db_.side.groups.bytes[0] != 0)
      files.Put(name(str::kFileGroups), WriteGroupFile(db_.side.groups));
  }
  files.Put(name(str::kFileAttendance), WriteAttendance(db_));
  if (auto appointments = WriteAppointmentFile(db_.side.appointments)) {
    files.Put(name(str::kFileAppointments), *appointments);
  } else if (db_.side.appointments.empty()) {
    // Entries the user removed must not come back from the old file.
    files.Remove(name(str::kFileAppointments));
  }
  std::string remarks = RemarkFileWithTable();
  files.Put(name(str::kFileRemarks), remarks);
  files.Put(name(str::kFileSharedSettings),
            std::string(reinterpret_cast<const char*>(db_.side.shared_settings.data()),
                        db_.side.shared_settings.size()));
  Status result = files.Commit();
  // The participated bits moved into their side file stay in memory too, as a
  // reload would bring them back; a second save must not lose them.
  if (flags) ApplyParticipatedFlags(db_, *flags);
  if (!result) {
    prompter_.Inform(result.error().text);
  } else {
    remark_file_ = std::move(remarks);
    // Declining to save later goes back to this save, not to the opening.
    const platform::Path undo = FilePath(str::kFileRemarksUndo);
    if (platform::FileExists(undo)) (void)platform::WriteFileAtomic(undo, remark_file_);
  }
  if (on_save_settings) on_save_settings();
  return result;
}

Status Document::SaveCommand(bool /*from_menu*/) {
  // The menu's Save used to read the participated bits back from their file;
  // SaveAll now keeps them in memory for every caller.
  Status s = SaveAll();
  // Only a save that landed makes the document unchanged; otherwise leaving
  // must still ask.
  if (s) db_.modified = false;
  return s;
}

bool Document::ViewPastMonth(int months_back) {
  auto& m = db_.month();
  if (months_back < 1 || months_back > 6) return false;
  if (db_.modified && !m.viewing_past) {
    const Answer a = prompter_.AskYesNoCancel(Strings().Get(str::kSaveChanges));
    if (a == Answer::kCancel) return false;
    if (a == Answer::kYes) {
      // Viewing reloads the tables: changes that could not be saved would be lost.
      if (!SaveCommand(false)) return false;
    } else {
      DiscardRemarkChanges();
    }
    DeleteRemarkUndo();
  }
  if (m.viewing_past) {
    m.report_month_index = m.open_month_index;
    m.report_year = m.open_year;
  }
  const int b = MonthsBack(m.report_month_index, months_back);
  m.past_month_index = b;
  m.past_year = b >= m.report_month_index ? m.report_year - 1 : m.report_year;
  m.viewing_past = true;
  past_folder_ = PastMonthFolder(b + 1);
  Reload();
  return true;
}

void Document::ReturnToOpenMonth() {
  auto& m = db_.month();
  if (!m.viewing_past) return;
  m.viewing_past = false;
  past_folder_.clear();
  Reload();
}

}  // namespace ledra::store
