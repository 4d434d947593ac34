#pragma once
// Keeping the publisher table in name order when one person is added or
// renamed, with the questions about a name that is already there.

#include "platform/prompter.h"
#include "store/congregation_database.h"

namespace ledra::records {

enum class PlaceMode { kAdded, kEdited };

struct PlaceOutcome {
  int row = 0;            // where the person now is; 0 when the added row was dropped
  bool replaced = false;  // an existing person was overwritten (added mode, Yes)
};

// Moves row `row` to its place. In added mode `row` is the last row, just
// appended; an equal name asks "Substituir por este?" (No drops the new row),
// passing over silently a person who is not active when the new one is. In
// edited mode an equal name is only reported and the row stays where it is.
PlaceOutcome PlaceRow(store::CongregationDatabase& db, int row, PlaceMode mode, Prompter& prompter);

}  // namespace ledra::records
