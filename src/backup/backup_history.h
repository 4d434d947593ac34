#pragma once
// The backup history "buhist.dat": exactly ten records of 512 bytes, newest
// first; each holds a date text (52 bytes) and a set folder path (460 bytes),
// both ANSI and zero-terminated. Unused records are all zero.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::backup {

inline constexpr std::size_t kHistoryRecords = 10;
inline constexpr std::size_t kHistoryRecordSize = 512;
inline constexpr std::size_t kHistoryDateSize = 52;
inline constexpr std::size_t kHistoryPathSize = 460;
inline constexpr std::size_t kHistoryFileSize = kHistoryRecords * kHistoryRecordSize;

struct HistoryRecord {
  std::string when;  // ANSI
  std::string path;  // ANSI
  bool empty() const { return when.empty() && path.empty(); }
};

class BackupHistory {
 public:
  // A missing or short file reads as empty records where it has no bytes.
  static BackupHistory Read(const platform::Path& file);
  static BackupHistory Parse(std::string_view bytes);

  const std::array<HistoryRecord, kHistoryRecords>& records() const { return records_; }
  // Puts `record` first and drops the oldest.
  void Add(HistoryRecord record);
  // The 5,120 bytes of the file.
  std::string Serialize() const;
  // Rewrites the whole file at once.
  Status Write(const platform::Path& file) const;

 private:
  std::array<HistoryRecord, kHistoryRecords> records_;
};

// Whether a set path fits the history's path field.
bool FitsHistory(const platform::Path& set_folder);
// A set path as the history stores it (ANSI), and back.
std::string HistoryPathText(const platform::Path& set_folder);
platform::Path PathFromHistory(std::string_view ansi);

// Adds one record to the data folder's history file.
Status AddToHistory(const platform::Path& data_folder, HistoryRecord record);

}  // namespace ledra::backup
