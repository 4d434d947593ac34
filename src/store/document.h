#pragma once
// The document: one congregation's data folder loaded into a
// CongregationDatabase, with the load and save procedures of the data files,
// the read-only viewing of past-month copies and the return to the open month.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/result.h"
#include "store/congregation_database.h"

namespace ledra::store {

struct OpenOptions {
  // Nothing is written at all (ledra-cli dump): no undo copy, no compaction.
  bool read_only = false;
  // Asked when the folder has a password; returns whether access is granted.
  // Without it a protected folder is refused.
  std::function<bool(const std::string& password)> check_password;
  // The early start (two-digit year, month 1-12) read from the settings; 0 = none.
  int early_year = 0;
  int early_month = 0;
};

enum class OpenOutcome { kOpened, kRefused };

class Document {
 public:
  Document(platform::Path data_folder, const Clock& clock, Prompter& prompter);

  CongregationDatabase& db() { return db_; }
  const CongregationDatabase& db() const { return db_; }
  const platform::Path& data_folder() const { return data_folder_; }
  const Clock& clock() const { return clock_; }
  // The folder files are read from now: the data folder, or the past month's copy.
  const platform::Path& current_folder() const;
  std::uint8_t scramble_base() const { return scramble_base_; }
  bool converted() const { return converted_; }
  bool read_only() const {
    return options_.read_only || db_.month().viewing_past || damage_.has_value();
  }
  // Set when the main file does not hold the congregation the folder kept
  // (truncated, blank or garbled): the folder is then opened read-only.
  const std::optional<Message>& damage() const { return damage_; }

  // Document opening: loads every file, repairs duplicate ids, asks for the password.
  OpenOutcome Open(const OpenOptions& options);
  // Discards the tables and loads again (from the past month's copy while one is viewed).
  void Reload();
  // Writes every file saved as a whole. Files that cannot be written are named to
  // the user and the others are still written; the result names the first failure.
  Status SaveAll();
  // The Save command: SaveAll, clears modified, and (from the menu) takes back the
  // participated bits kept aside at save.
  Status SaveCommand(bool from_menu);

  // Sets pastMonthMask from the copies under "Roll".
  void CheckPastMonths();
  // Views the copy of `months_back` (1-6) months ago, read-only; asks to save first.
  // Returns false when the user cancelled.
  bool ViewPastMonth(int months_back);
  // Back from a past month to the data folder's own files.
  void ReturnToOpenMonth();
  // Path of the main file of the copy for MonthIndex + 1 = n.
  platform::Path PastMonthFolder(int n) const;

  // --- record-by-record side files: changed on disk as soon as an edit is confirmed ---
  // The remark of a person's slot ("" when none).
  std::string RemarkText(int row, int slot) const;
  // Stores a remark for (row, month, parity); a new remark is refused with
  // "Falta espaço para Observações" once the table is full.
  Status SetRemark(int row, int month_index, int parity, std::string_view text);
  // Empties every remark of the person and rewrites the remarks.
  Status RemoveRemarksOf(std::uint16_t id);
  // The user declined to save: the remarks file goes back to its state at load.
  void DiscardRemarkChanges();
  // The undo copy is not needed any more (leaving, or viewing a past month).
  void DeleteRemarkUndo();

  // The person's extension record (full name, e-mail, other information), if linked.
  std::optional<ExtensionRecord> ReadExtension(int row) const;
  Status WriteExtension(int row, ExtensionRecord plain);

  // Emergency contacts and special needs by key; key 0 writes a new record
  // and returns its new key.
  const EmergencyContact* FindContact(std::uint16_t key) const;
  Result<std::uint16_t> WriteContact(std::uint16_t key, EmergencyContact contact);
  const SpecialNeed* FindNeed(std::uint16_t key) const;
  Result<std::uint16_t> WriteNeed(std::uint16_t key, SpecialNeed need);

  // Hooks the rest of the program attaches: writing the settings at save.
  std::function<void()> on_save_settings;

  // Surplus records beyond the table's capacity, kept as read and written back.
  const std::string& surplus() const { return surplus_; }

 private:
  struct LoadState;
  void Load(bool at_opening);
  // The steps of a load, in order.
  void LoadTodayAndSharedSettings(LoadState& s);
  void LoadMainFile(LoadState& s);
  void LoadHeaderDerived(LoadState& s);
  void LoadSortIndexParticipated(LoadState& s);
  void LoadOldLists(LoadState& s);
  void LoadUnscramble(LoadState& s);
  void LoadSecondSortAndRepair(LoadState& s);
  void LoadOldMeetingAndMonthState(LoadState& s);
  void LoadPresence(LoadState& s);

  void LoadSideFilesAfterPeople(LoadState& s);
  void LoadRemarksAndAttendance(LoadState& s);

  // Writes one record-by-record file at once; nothing while read-only. A
  // failure is named to the user; memory keeps the change.
  Status WriteSideFile(int name_id, std::string_view bytes);
  platform::Path FilePath(int name_id) const;
  std::optional<std::string> ReadDataFile(int name_id) const;
  // The remarks file as it stands with every table position written again.
  std::string RemarkFileWithTable() const;

  CongregationDatabase db_;
  platform::Path data_folder_;
  platform::Path past_folder_;
  const Clock& clock_;
  Prompter& prompter_;
  OpenOptions options_;
  std::uint8_t scramble_base_ = 0;
  bool converted_ = false;
  std::string surplus_;
  std::optional<Message> damage_;
  std::string remark_file_;     // "remark9.dat" as it stands on disk
  std::string extension_file_;  // "xten7.dat" as it stands on disk (scrambled)
};

}  // namespace ledra::store
