#include "records/record_placement.h"

#include <string>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/publisher_chooser.h"

namespace ledra::records {
namespace {

bool SameName(const store::CongregationDatabase& db, const store::PublisherRecord& a,
              const store::PublisherRecord& b) {
  if (a.is(store::ListType::kCircuitOverseer) || b.is(store::ListType::kCircuitOverseer))
    return false;
  return !db.SortsBefore(a, b) && !db.SortsBefore(b, a);
}

}  // namespace

PlaceOutcome PlaceRow(store::CongregationDatabase& db, int row, PlaceMode mode,
                      Prompter& prompter) {
  if (row <= 0 || row >= db.count()) return {};
  auto& rows = db.rows();
  const store::PublisherRecord placed = rows[static_cast<std::size_t>(row)];
  const bool adding = mode == PlaceMode::kAdded;
  int target = 0;  // row before which the placed record goes (among the others)
  for (int i = 1; i < db.count(); ++i) {
    if (i == row) continue;
    const store::PublisherRecord& other = rows[static_cast<std::size_t>(i)];
    if (SameName(db, placed, other)) {
      if (adding && !other.is(store::ListType::kActive) && placed.is(store::ListType::kActive))
        continue;
      std::string text = ListName(db, row) + " " + Strings().Get(str::kRecAlreadyExists) + "\n\n";
      if (!adding) {
        prompter.Inform(text);
        return {row, false};
      }
      text += Strings().Get(str::kRecReplaceWithThis);
      // No is the default: anything but Yes keeps the table as before the add.
      const Answer a = prompter.AskYesNoCancel(text);
      db.RemoveRow(row);
      if (a != Answer::kYes) return {0, false};
      rows[static_cast<std::size_t>(i)] = placed;
      return {i, true};
    }
    if (db.SortsBefore(placed, other)) {
      target = i;
      break;
    }
  }
  // Shift the rows between to make room.
  db.RemoveRow(row);
  if (target == 0) {
    rows.push_back(placed);
    return {db.count() - 1, false};
  }
  if (target > row) --target;
  rows.insert(rows.begin() + target, placed);
  return {target, false};
}

}  // namespace ledra::records
