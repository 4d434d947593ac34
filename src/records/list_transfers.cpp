#include "records/list_transfers.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::records {
namespace {

using store::ListType;

bool Within(const store::CongregationDatabase& db, int row) {
  return row > 0 && row < db.count();
}

Message Refusal(int id) {
  return Message{id, Strings().Get(id)};
}

// The inactive year as the copy byte keeps it: (year + 48) mod 256.
std::uint8_t InactiveYearByte(int year) {
  return static_cast<std::uint8_t>((year + 48) % 256);
}

void Done(store::CongregationDatabase& db, Prompter& prompter) {
  db.modified = true;
  db.RebuildIndexes(prompter);
}

constexpr std::size_t kThirdDate = 170;  // the third date field
constexpr char kFromInactive = 'I';

}  // namespace

int TransferYear(const store::CongregationDatabase& db, int month) {
  const auto& m = db.month();
  return 2000 + (month - 1 > m.report_month_index ? m.report_year - 1 : m.report_year);
}

Status MakeInactive(store::CongregationDatabase& db, int row, int month, int year,
                    Prompter& prompter) {
  if (!Within(db, row) || !db.row(row).is(ListType::kActive) || month < 1 || month > 12)
    return Refusal(str::kListTransferNotAllowed);
  if (static_cast<int>(db.status_list(ListType::kInactive).size()) >= kMaxInactive)
    return Refusal(str::kListInactiveFull);
  store::PublisherRecord& p = db.row(row);
  p.SetU8(201, static_cast<std::uint8_t>(month * 16));
  p.SetU8(238, InactiveYearByte(year));
  p.SetU8(239, static_cast<std::uint8_t>(p.attribute_flags() & ~0x90));
  p.set_list_type(ListType::kInactive);
  Done(db, prompter);
  return {};
}

bool MovedFromInactive(const store::PublisherRecord& p) {
  return p.U8(kThirdDate) == static_cast<std::uint8_t>(kFromInactive);
}

Status MoveAway(store::CongregationDatabase& db, int row, int month, Prompter& prompter) {
  if (!Within(db, row) || month < 1 || month > 12) return Refusal(str::kListTransferNotAllowed);
  store::PublisherRecord& p = db.row(row);
  const bool inactive = p.is(ListType::kInactive);
  if (!inactive && !p.is(ListType::kActive)) return Refusal(str::kListTransferNotAllowed);
  if (static_cast<int>(db.status_list(ListType::kMoved).size()) >= kMaxMoved)
    return Refusal(str::kListMovedFull);
  if (inactive) {
    // The old inactive month and year go beside the mark, to come back to.
    std::string mark(1, kFromInactive);
    mark += static_cast<char>(p.status_change());
    mark += static_cast<char>(p.status_copy());
    for (std::size_t i = 0; i < 9; ++i)
      p.SetU8(kThirdDate + i, i < mark.size() ? static_cast<std::uint8_t>(mark[i]) : 0);
  }
  p.SetU8(201, static_cast<std::uint8_t>(month * 16));
  p.set_extension_index(0);
  p.SetU16(188, 0);  // household
  p.set_list_type(ListType::kMoved);
  Done(db, prompter);
  return {};
}

Status UndoMove(store::CongregationDatabase& db, int row, int month, bool transfer,
                Prompter& prompter) {
  if (!Within(db, row) || !db.row(row).is(ListType::kMoved))
    return Refusal(str::kListTransferNotAllowed);
  store::PublisherRecord& p = db.row(row);
  if (MovedFromInactive(p)) {
    p.SetU8(201, p.U8(kThirdDate + 1));
    p.SetU8(238, p.U8(kThirdDate + 2));
    for (std::size_t i = 0; i < 9; ++i) p.SetU8(kThirdDate + i, 0);
    p.set_list_type(ListType::kInactive);
    Done(db, prompter);
    return {};
  }
  if (month < 1 || month > 12) return Refusal(str::kListTransferNotAllowed);
  p.SetU8(201, static_cast<std::uint8_t>(month * 16 + (transfer ? 4 : 0)));
  p.set_list_type(ListType::kActive);
  Done(db, prompter);
  return {};
}

Status RestoreDeleted(store::CongregationDatabase& db, int row, Prompter& prompter) {
  if (!Within(db, row) || !db.row(row).is(ListType::kDeleted))
    return Refusal(str::kListTransferNotAllowed);
  db.row(row).set_list_type(ListType::kActive);
  Done(db, prompter);
  return {};
}

}  // namespace ledra::records
