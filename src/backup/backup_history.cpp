#include "backup/backup_history.h"

#include <algorithm>
#include <cstring>

#include "backup/backup_names.h"
#include "platform/codepage.h"

namespace ledra::backup {
namespace {

std::string FieldText(std::string_view field) {
  return std::string(field.substr(0, std::min(field.find('\0'), field.size())));
}

void PutField(std::string& out, std::size_t at, std::size_t size, std::string_view text) {
  // The last byte of the field always stays the terminator.
  const std::size_t n = std::min(text.size(), size - 1);
  std::memcpy(out.data() + at, text.data(), n);
}

}  // namespace

BackupHistory BackupHistory::Read(const platform::Path& file) {
  return Parse(platform::ReadFileIfPresent(file).value_or(std::string{}));
}

BackupHistory BackupHistory::Parse(std::string_view bytes) {
  BackupHistory h;
  for (std::size_t i = 0; i < kHistoryRecords; ++i) {
    const std::size_t at = i * kHistoryRecordSize;
    if (at >= bytes.size()) break;
    const std::string_view rec = bytes.substr(at, kHistoryRecordSize);
    h.records_[i].when = FieldText(rec.substr(0, kHistoryDateSize));
    if (rec.size() > kHistoryDateSize)
      h.records_[i].path = FieldText(rec.substr(kHistoryDateSize, kHistoryPathSize));
  }
  return h;
}

void BackupHistory::Add(HistoryRecord record) {
  std::shift_right(records_.begin(), records_.end(), 1);
  records_[0] = std::move(record);
}

std::string BackupHistory::Serialize() const {
  std::string out(kHistoryFileSize, '\0');
  for (std::size_t i = 0; i < kHistoryRecords; ++i) {
    const std::size_t at = i * kHistoryRecordSize;
    PutField(out, at, kHistoryDateSize, records_[i].when);
    PutField(out, at + kHistoryDateSize, kHistoryPathSize, records_[i].path);
  }
  return out;
}

Status BackupHistory::Write(const platform::Path& file) const {
  return platform::WriteFileAtomic(file, Serialize());
}

std::string HistoryPathText(const platform::Path& set_folder) {
  return platform::Utf8ToAnsi(set_folder.string()).text;
}

bool FitsHistory(const platform::Path& set_folder) {
  const auto ansi = platform::Utf8ToAnsi(set_folder.string());
  // A path cut short or changed by the conversion would name another folder.
  return !ansi.replaced && ansi.text.size() < kHistoryPathSize;
}

platform::Path PathFromHistory(std::string_view ansi) {
  return platform::Path(platform::AnsiToUtf8(ansi));
}

Status AddToHistory(const platform::Path& data_folder, HistoryRecord record) {
  BackupHistory h = BackupHistory::Read(HistoryPath(data_folder));
  h.Add(std::move(record));
  return h.Write(HistoryPath(data_folder));
}

}  // namespace ledra::backup
