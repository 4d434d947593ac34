#pragma once
// Moving people between the active, inactive, moved and deleted lists. Each
// transfer writes exactly the fields it names, marks the table changed and
// rebuilds the lists; a full list refuses and changes nothing.

#include <string>

#include "platform/prompter.h"
#include "platform/result.h"
#include "store/congregation_database.h"

namespace ledra::records {

inline constexpr int kMaxInactive = 299;
inline constexpr int kMaxMoved = 199;

// The year a month of the chooser falls in: the report year, or the one
// before when the month lies after the ReportMonth.
int TransferYear(const store::CongregationDatabase& db, int month);

// Active -> inactive on month m (1-12) of `year` (four digits): StatusChange
// m x 16, the year in the copy byte, the special-category and bit-7 marks off.
Status MakeInactive(store::CongregationDatabase& db, int row, int month, int year,
                    Prompter& prompter);
// Active or inactive -> moved on month m: StatusChange m x 16, no extension
// record, no household. One moved from the inactive list keeps its inactive
// month in the third date field behind an "I".
Status MoveAway(store::CongregationDatabase& db, int row, int month, Prompter& prompter);
bool MovedFromInactive(const store::PublisherRecord& p);
// Moved -> back: to the inactive list with its old month, or to the active
// list on month m (a transfer adds 4 to the StatusChange).
Status UndoMove(store::CongregationDatabase& db, int row, int month, bool transfer,
                Prompter& prompter);
// Deleted -> active.
Status RestoreDeleted(store::CongregationDatabase& db, int row, Prompter& prompter);

}  // namespace ledra::records
