#include "interchange/collection_file.h"

#include <algorithm>

#include "activity/late_entry_list.h"
#include "activity/month_calendar.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/month_slot.h"
#include "store/text_scrambler.h"

namespace ledra::interchange {
namespace {

using store::PublisherRecord;
using store::SlotWords;
namespace f = store::field;

void PutU16(std::string& bytes, std::size_t at, std::uint16_t v) {
  bytes[at] = static_cast<char>(v & 0xFF);
  bytes[at + 1] = static_cast<char>(v >> 8);
}

// Any figure of the slot, quarter hours and the participated mark included.
bool SlotHasFigure(const PublisherRecord& p, int slot) {
  for (SlotWords w : kReportWords)
    if (w != SlotWords::kStudiesWord && p.word(w, slot) != 0) return true;
  const std::uint16_t studies = p.word(SlotWords::kStudiesWord, slot);
  return studies != 0;
}

// The slot parity of a late month: months after the ReportMonth in the
// calendar belong to the year before.
int LateParity(const store::ReportMonthState& m, int month_index) {
  const int own = store::Parity(m.report_year);
  return month_index <= m.report_month_index ? own : 1 - own;
}

std::string EmailOf(const store::Document& doc, int row) {
  const auto extension = doc.ReadExtension(row);
  if (!extension) return {};
  std::string email = extension->email();
  return ValidEmail(email) ? email : std::string();
}

}  // namespace

bool ValidEmail(std::string_view address) {
  const std::size_t at = address.find('@');
  return at != std::string_view::npos && address.find('.', at) != std::string_view::npos;
}

std::vector<int> GroupMemberRows(const store::CongregationDatabase& db, int group) {
  std::vector<int> rows;
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive))
    if (db.row(e.row).group() == group) rows.push_back(e.row);
  return rows;
}

std::string BuildCollectionFile(const store::Document& doc, const CollectionRequest& request) {
  const auto& db = doc.db();
  const std::vector<int> members = GroupMemberRows(db, request.group);
  const int collected_slot = request.month_index * 3 + request.parity;

  std::vector<std::string> remarks;
  std::string body;
  body.reserve(members.size() * kCollectionRecordSize);
  for (int row : members) {
    PublisherRecord p = db.row(row);
    p.SetText(f::kAddr, EmailOf(doc, row));
    if (request.clear_month) {
      for (SlotWords w : kReportWords) p.set_word(w, collected_slot, 0);
      p.set_pioneer_code(collected_slot, p.pioneer_code(collected_slot) & 3);
      p.set_word(SlotWords::kPioCredit, collected_slot, 0);
      p.set_word(SlotWords::kRemarkIndex, collected_slot, 0);
    }
    for (int m = 0; m < 12; ++m) {
      const int slot = m * 3 + request.parity;
      std::uint16_t index = 0;
      if (p.word(SlotWords::kRemarkIndex, slot) != 0) {
        std::string text = doc.RemarkText(row, slot);
        if (!text.empty()) {
          if (text.size() > kCollectionRemarkText) text.resize(kCollectionRemarkText);
          remarks.push_back(std::move(text));
          index = static_cast<std::uint16_t>(remarks.size());
        }
      }
      p.set_word(SlotWords::kRemarkIndex, slot, index);
    }
    std::fill(p.bytes.begin() + 152, p.bytes.begin() + 170, std::uint8_t{0});
    for (int m = 0; m < 12; ++m) {
      const int slot = m * 3 + LateParity(db.month(), m);
      if (activity::LateReportQueued(db, p.id(), m) && SlotHasFigure(p, slot))
        p.SetU8(LateFlagOffset(m), 1);
    }
    store::ScrambleRecord(p, store::kScramble, doc.scramble_base());
    body.append(reinterpret_cast<const char*>(p.bytes.data()), p.bytes.size());
  }

  namespace h = collection_header;
  std::string bytes(kCollectionRecordSize, '\0');
  const std::string& email = request.secretary_email;
  const std::size_t at = email.find('@');
  if (at != std::string::npos && at > 1)
    bytes.replace(h::kEmail, std::min(email.size(), h::kEmailSize - 1),
                  email.substr(0, h::kEmailSize - 1));
  bytes[h::kCount] = static_cast<char>(members.size() & 0xFF);
  bytes[h::kGroup] = static_cast<char>(request.group);
  PutU16(bytes, h::kRemarkCount, static_cast<std::uint16_t>(remarks.size()));
  bytes[h::kMonth] = static_cast<char>(request.month_index);
  bytes += body;
  for (const std::string& text : remarks) {
    std::string record(kCollectionRemarkSize, '\0');
    record.replace(0, text.size(), text);
    bytes += record;
  }
  return bytes;
}

int CollectionRemarkCount(std::string_view bytes) {
  namespace h = collection_header;
  if (bytes.size() < h::kRemarkCount + 2) return 0;
  return static_cast<std::uint8_t>(bytes[h::kRemarkCount]) |
         (static_cast<std::uint8_t>(bytes[h::kRemarkCount + 1]) << 8);
}

platform::Path CollectionFilePath(const platform::Path& data_folder, int group) {
  return data_folder / (Strings().Get(str::kCollectFilePrefix) + std::to_string(group) + ".t09");
}

Result<platform::Path> WriteCollectionFile(const store::Document& doc,
                                           const CollectionRequest& request) {
  const platform::Path path = CollectionFilePath(doc.data_folder(), request.group);
  if (Status s = platform::WriteFileAtomic(path, BuildCollectionFile(doc, request)); !s)
    return s.error();
  return path;
}

Result<ImportTable> ReadCollectionFile(std::string_view bytes, const store::Document& doc) {
  namespace h = collection_header;
  const auto& db = doc.db();
  ImportTable table;
  table.mode = ImportMode::kCollectionFile;
  table.parity = store::Parity(db.month().report_year);
  if (bytes.size() < kCollectionRecordSize) return table;  // nothing in it, nothing offered
  const int month = static_cast<std::uint8_t>(bytes[h::kMonth]);
  if (month != db.month().report_month_index) {
    const std::string file_month =
        month < 12 ? activity::MonthName(month) : std::to_string(month + 1);
    return Message{
        str::kCollectWrongMonth,
        Strings().Format(str::kCollectWrongMonth,
                         {file_month, activity::MonthName(db.month().report_month_index)})};
  }
  const int count = static_cast<std::int8_t>(bytes[h::kCount]);
  const int remarks = CollectionRemarkCount(bytes);
  std::size_t at = kCollectionRecordSize;
  for (int i = 0; i < count && at + kCollectionRecordSize <= bytes.size() &&
                  static_cast<int>(table.records.size()) < kMaxImportedRecords;
       ++i, at += kCollectionRecordSize) {
    PublisherRecord p;
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.data() + at), kCollectionRecordSize,
                p.bytes.begin());
    store::ScrambleRecord(p, store::kUnscramble, doc.scramble_base());
    table.records.push_back(p);
    table.matches.push_back(0);
  }
  // The remarks follow the records the header announces, whatever was read.
  at = kCollectionRecordSize * (static_cast<std::size_t>(std::max(count, 0)) + 1);
  for (int i = 0; i < remarks && at + kCollectionRemarkSize <= bytes.size() &&
                  static_cast<int>(table.remarks.size()) < kMaxImportedRemarks;
       ++i, at += kCollectionRemarkSize) {
    const std::string_view record = bytes.substr(at, kCollectionRemarkText);
    table.remarks.push_back({std::string(record.substr(0, record.find('\0')))});
  }
  return table;
}

}  // namespace ledra::interchange
