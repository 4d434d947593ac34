// The document's side files: remarks, extension records, emergency contacts,
// special needs and meeting attendance, loaded after the people and changed
// record by record as edits are confirmed.

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/attendance_file.h"
#include "store/document.h"
#include "store/document_load_state.h"
#include "store/extension_file.h"
#include "store/keyed_records.h"
#include "store/name_collation.h"
#include "store/record_file.h"
#include "store/remark_file.h"

namespace ledra::store {

Status Document::WriteSideFile(int name_id, std::string_view bytes) {
  if (read_only()) return {};
  const platform::Path path = FilePath(name_id);
  if (platform::WriteFileAtomic(path, bytes)) return {};
  Message message{str::kCannotCreateFile,
                  Strings().Format(str::kCannotCreateFile, {platform::PathForMessage(path)})};
  prompter_.Inform(message.text);
  return message;
}

void Document::LoadSideFilesAfterPeople(LoadState&) {
  // Extension records: decoded with the folder's base; broken links are cut.
  db_.side.extensions = ReadExtensionFile(extension_file_, scramble_base_);
  db_.side.extension_index = IndexExtensions(db_.side.extensions);
  const auto& index = db_.side.extension_index;
  for (int r = 1; r < db_.count(); ++r) {
    PublisherRecord& p = db_.row(r);
    const std::uint16_t k = p.extension_index();
    if (k == 0) continue;
    if (k >= index.size() || index[k].id != p.id()) {
      p.set_extension_index(0);
      db_.modified = true;
    }
  }

  // Emergency contacts: repeated keys and records nobody uses go; the file is
  // rewritten through "emerg1.dat" unless nothing survives.
  const std::string contacts_file = ReadDataFile(str::kFileEmergency).value_or(std::string{});
  auto records = ReadRecords<EmergencyContact>(contacts_file, kMaxEmergencyContacts);
  db_.side.contacts = CompactContacts(std::move(records), db_);
  db_.side.contact_keys.clear();
  for (const EmergencyContact& c : db_.side.contacts) db_.side.contact_keys.push_back(c.key());
  const std::string survivors = WriteRecords(db_.side.contacts);
  if (!read_only() && !contacts_file.empty() && survivors != contacts_file) {
    const platform::Path compacted = FilePath(str::kFileEmergencyCompacted);
    if (db_.side.contacts.empty()) {
      (void)platform::DeleteFile(compacted);
    } else if (platform::WriteFileAtomic(compacted, survivors)) {
      (void)platform::RenameFile(compacted, FilePath(str::kFileEmergency));
    }
  }

  // Special needs: the file stays as it is; bad keys are only left out of the index.
  db_.side.needs = ReadRecords<SpecialNeed>(
      ReadDataFile(str::kFileSpecialNeeds).value_or(std::string{}), kMaxSpecialNeeds);
  db_.side.need_keys = ValidNeedKeys(db_.side.needs, db_);
}

void Document::LoadRemarksAndAttendance(LoadState& s) {
  if (!s.meetings_converted) {
    const auto attendance = ReadDataFile(str::kFileAttendance);
    ReadAttendance(db_, attendance.value_or(std::string{}));
    // Only a file that exists but is empty keeps to one block; a folder
    // without the file gets both, or the weekend meeting would never be saved.
    if (!attendance) db_.side.attendance_file_was_empty = false;
  }
  auto remarks = ReadDataFile(str::kFileRemarks);
  remark_file_ = remarks.value_or(std::string{});
  if (remarks && !read_only())
    (void)platform::WriteFileAtomic(FilePath(str::kFileRemarksUndo), remark_file_);
  if (auto compacted = CompactRemarkFile(remark_file_)) {
    remark_file_ = std::move(*compacted);
    (void)WriteSideFile(str::kFileRemarks, remark_file_);
  }
  LoadRemarks(db_, remark_file_);
}

std::string Document::RemarkFileWithTable() const {
  const auto& table = db_.side.remarks;
  if (table.size() <= 1) return remark_file_;
  return WriteRemarkRecords(remark_file_, std::span(table).subspan(1));
}

std::string Document::RemarkText(int row, int slot) const {
  if (row <= 0 || row >= db_.count() || slot < 0 || slot >= kSlotCount) return {};
  const std::uint16_t pos = db_.row(row).word(SlotWords::kRemarkIndex, slot);
  return pos > 0 && pos < db_.side.remarks.size() ? db_.side.remarks[pos].text : std::string{};
}

Status Document::SetRemark(int row, int month_index, int parity, std::string_view text) {
  if (row <= 0 || row >= db_.count() || month_index < 0 || month_index > 11 || parity < 0 ||
      parity > 1)
    return {};
  PublisherRecord& person = db_.row(row);
  const int slot = month_index * 3 + parity;
  auto& table = db_.side.remarks;
  std::uint16_t pos = person.word(SlotWords::kRemarkIndex, slot);
  if (pos == 0 || pos >= table.size()) {
    if (TrimBlanks(text).empty()) return {};
    if (static_cast<int>(table.size()) >= kRemarkTableFullAt) {
      Message full{str::kRemarkTableFull, Strings().Get(str::kRemarkTableFull)};
      prompter_.Inform(full.text);
      return full;
    }
    pos = static_cast<std::uint16_t>(table.size());
    table.push_back({});
    person.set_word(SlotWords::kRemarkIndex, slot, pos);
  }
  RemarkRecord& remark = table[pos];
  remark.text = std::string(text.substr(0, 43));
  remark.month = static_cast<std::uint8_t>(month_index + 1);
  remark.parity = static_cast<std::uint8_t>(parity);
  remark.id = person.id();
  db_.modified = true;
  if (read_only()) return {};
  std::string file = WriteRemarkRecord(remark_file_, remark);
  Status s = WriteSideFile(str::kFileRemarks, file);
  if (s) remark_file_ = std::move(file);
  return s;
}

Status Document::RemoveRemarksOf(std::uint16_t id) {
  for (std::size_t k = 1; k < db_.side.remarks.size(); ++k) {
    if (db_.side.remarks[k].id == id) db_.side.remarks[k].text.clear();
  }
  if (read_only()) return {};
  std::string file = RemarkFileWithTable();
  Status s = WriteSideFile(str::kFileRemarks, file);
  if (s) remark_file_ = std::move(file);
  return s;
}

void Document::DiscardRemarkChanges() {
  if (read_only()) return;
  const platform::Path undo = data_folder_ / Strings().Get(str::kFileRemarksUndo);
  if (platform::FileExists(undo))
    (void)platform::CopyFile(undo, data_folder_ / Strings().Get(str::kFileRemarks));
}

void Document::DeleteRemarkUndo() {
  if (options_.read_only) return;
  (void)platform::DeleteFile(data_folder_ / Strings().Get(str::kFileRemarksUndo));
}

std::optional<ExtensionRecord> Document::ReadExtension(int row) const {
  if (row <= 0 || row >= db_.count()) return std::nullopt;
  const std::uint16_t k = db_.row(row).extension_index();
  const auto& records = db_.side.extensions;
  if (k == 0 || k >= records.size() || records[k].id() != db_.row(row).id()) return std::nullopt;
  return records[k];
}

Status Document::WriteExtension(int row, ExtensionRecord plain) {
  if (row <= 0 || row >= db_.count()) return {};
  PublisherRecord& person = db_.row(row);
  plain.set_u16(0, person.id());
  auto& records = db_.side.extensions;
  auto& index = db_.side.extension_index;
  if (records.empty()) {
    records.emplace_back();
    index.emplace_back();
  }
  const std::size_t pos = ExtensionWritePosition(index, records, person.id());
  if (pos >= static_cast<std::size_t>(kMaxExtensionPositions)) {
    Message full{str::kExtensionTableFull, Strings().Get(str::kExtensionTableFull)};
    prompter_.Inform(full.text);
    return full;
  }
  if (pos >= records.size()) {
    records.resize(pos + 1);
    index.resize(pos + 1);
  }
  records[pos] = plain;
  index[pos] = {plain.id(), plain.presence_mask()};
  person.set_extension_index(static_cast<std::uint16_t>(pos));
  db_.modified = true;
  if (read_only()) return {};
  std::string file = WriteExtensionRecord(extension_file_, pos, plain, scramble_base_);
  if (file.size() < ExtensionRecord::kSize * 2)
    file.replace(0, ExtensionRecord::kSize, ExtensionRecord::kSize, '\0');
  Status s = WriteSideFile(str::kFileExtensions, file);
  if (s) extension_file_ = std::move(file);
  return s;
}

namespace {

template <class Record>
const Record* FindByKey(const std::vector<Record>& records, const std::vector<std::uint16_t>& keys,
                        std::uint16_t key) {
  if (key == 0) return nullptr;
  for (std::size_t k = 0; k < records.size() && k < keys.size(); ++k) {
    if (keys[k] == key) return &records[k];
  }
  return nullptr;
}

// Stores `record` under `key` (a new key when 0) and returns the key.
template <class Record>
std::uint16_t StoreByKey(std::vector<Record>& records, std::vector<std::uint16_t>& keys,
                         std::uint16_t key, Record record) {
  const std::size_t pos = KeyedWritePosition(keys, key);
  record.set_u16(0, key);
  if (pos >= records.size()) {
    records.push_back(record);
    keys.push_back(key);
  } else {
    records[pos] = record;
    keys[pos] = key;
  }
  return key;
}

}  // namespace

const EmergencyContact* Document::FindContact(std::uint16_t key) const {
  return FindByKey(db_.side.contacts, db_.side.contact_keys, key);
}

Result<std::uint16_t> Document::WriteContact(std::uint16_t key, EmergencyContact contact) {
  auto& side = db_.side;
  if (key == 0) key = NewRecordKey(side.contact_keys, db_, /*contacts=*/true);
  StoreByKey(side.contacts, side.contact_keys, key, contact);
  db_.modified = true;
  if (Status s = WriteSideFile(str::kFileEmergency, WriteRecords(side.contacts)); !s)
    return s.error();
  return key;
}

const SpecialNeed* Document::FindNeed(std::uint16_t key) const {
  return FindByKey(db_.side.needs, db_.side.need_keys, key);
}

Result<std::uint16_t> Document::WriteNeed(std::uint16_t key, SpecialNeed need) {
  auto& side = db_.side;
  if (key == 0) key = NewRecordKey(side.need_keys, db_, /*contacts=*/false);
  StoreByKey(side.needs, side.need_keys, key, need);
  db_.modified = true;
  if (Status s = WriteSideFile(str::kFileSpecialNeeds, WriteRecords(side.needs)); !s)
    return s.error();
  return key;
}

}  // namespace ledra::store
