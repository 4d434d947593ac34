#include "activity/oldest_entry_trim.h"

#include <algorithm>
#include <climits>

namespace ledra::activity {

EntryDate InactiveSince(const store::PublisherRecord& rec) {
  // The year byte counts from 2000 up to 200, and wraps to the years before.
  const int v = rec.status_copy();
  return {v <= 200 ? v : v - 256, rec.status_change() >> 4};
}

EntryDate DeletedOn(const store::PublisherRecord& rec) {
  const int word = rec.status_counter();
  return {(word >> 8) - 50, word & 0xFF};
}

void SetDeletedOn(store::PublisherRecord& rec, EntryDate date) {
  const int high = std::clamp(date.year + 50, 0, 255);
  rec.SetU16(192, static_cast<std::uint16_t>((high << 8) | (date.month & 0xFF)));
}

namespace {

EntryDate DateOf(const store::PublisherRecord& rec, store::ListType list) {
  return list == store::ListType::kInactive ? InactiveSince(rec) : DeletedOn(rec);
}

}  // namespace

int TrimOldestEntries(store::CongregationDatabase& db, store::ListType list, int today_year_byte,
                      Prompter& prompter) {
  int removed = 0;
  if (db.CountList(list) <= kTrimAbove) return 0;
  // Each pass removes one record or stops, so the loop ends.
  while (db.CountList(list) > kTrimTo) {
    int oldest_year = INT_MAX;
    int with_that_year = 0;
    for (int r = 1; r < db.count(); ++r) {
      if (!db.row(r).is(list)) continue;
      const int y = DateOf(db.row(r), list).year;
      if (y < oldest_year) {
        oldest_year = y;
        with_that_year = 1;
      } else if (y == oldest_year) {
        ++with_that_year;
      }
    }
    if (oldest_year >= today_year_byte) break;
    int earliest_month = INT_MAX;
    if (with_that_year > 1) {
      for (int r = 1; r < db.count(); ++r) {
        if (!db.row(r).is(list)) continue;
        const EntryDate d = DateOf(db.row(r), list);
        if (d.year == oldest_year) earliest_month = std::min(earliest_month, d.month);
      }
    }
    for (int r = 1; r < db.count(); ++r) {
      if (!db.row(r).is(list)) continue;
      const EntryDate d = DateOf(db.row(r), list);
      if (d.year == oldest_year && (with_that_year == 1 || d.month == earliest_month)) {
        db.RemoveRow(r);
        ++removed;
        break;
      }
    }
  }
  if (removed > 0) {
    db.CountAllLists();
    db.RebuildIndexes(prompter);
  }
  return removed;
}

}  // namespace ledra::activity
