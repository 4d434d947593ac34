#pragma once
// Whether the main data file holds the congregation the folder around it
// says it should. A damaged file must never be saved over: a truncated or
// overwritten "tdat9.bin" opens as an empty or blank congregation, and a save
// would then make the loss permanent and take the side files with it.

#include <optional>

#include "platform/files.h"
#include "platform/result.h"
#include "store/congregation_database.h"

namespace ledra::store {

// What the load found of the main file.
struct MainFileFacts {
  bool read_records = false;  // records came from "tdat9.bin" or the previous version's file
};

// Other files of `folder` that only exist where people were kept: side files
// of people, totals, a backup history, past-month copies with people.
bool FolderHoldsPeople(const platform::Path& folder);

// Nothing when the table is what it seems; otherwise the warning (the file's
// name and what is wrong with it) that makes the folder open read-only.
std::optional<Message> CheckMainFile(const CongregationDatabase& db, const MainFileFacts& facts,
                                     const platform::Path& folder);

}  // namespace ledra::store
