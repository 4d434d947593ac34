#pragma once
// Keeping the inactive and deleted lists within bounds: when a list grows
// past 280 people, the oldest are removed with their records until 250 remain,
// but never anyone of the current year.

#include "platform/prompter.h"
#include "store/congregation_database.h"

namespace ledra::activity {

inline constexpr int kTrimAbove = 280;
inline constexpr int kTrimTo = 250;

// The year (calendar year - 2000, below 0 for years before 2000) and month
// (1-12, 0 when unknown) that a record of the inactive or deleted list is
// dated by.
struct EntryDate {
  int year = 0;
  int month = 0;
};
EntryDate InactiveSince(const store::PublisherRecord& rec);
EntryDate DeletedOn(const store::PublisherRecord& rec);
// Stores a deletion date in the record's date word (month, year - 1950).
void SetDeletedOn(store::PublisherRecord& rec, EntryDate date);

// Removes the oldest records of `list` (inactive or deleted) while it holds
// more than 250 (once it holds more than 280), stopping when no record is
// older than `today_year_byte`.
// Returns how many were removed; the indexes are rebuilt.
int TrimOldestEntries(store::CongregationDatabase& db, store::ListType list, int today_year_byte,
                      Prompter& prompter);

}  // namespace ledra::activity
