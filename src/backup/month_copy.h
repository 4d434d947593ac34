#pragma once
// The copy of the data files that starting a month keeps in "Roll/Ld9_<n>".

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/result.h"

namespace ledra::backup {

enum class MonthCopyOutcome { kCopied, kKept };

// The past-month folder number a start of MonthIndex `month_index` writes:
// the 1-based number of the month before it (12 when January is started).
int MonthCopyNumber(int month_index);

// Whether the copy in `month_folder` is current enough to keep: its
// "tdat9.bin" reads, is larger than 500 bytes and was last changed in the
// ReportMonth's year (`report_year_byte`, two digits) or later.
bool KeepMonthCopy(const platform::Path& month_folder, int report_year_byte);

// Copies the data files into Roll/Ld9_<n> for a start of `month_index`,
// unless the copy there is kept, and records the copy in the backup history
// ("%s %d %d (Roll)" with `today`). A copy that fails half-way loses its main
// file so that it is never taken for a usable copy; no history record is
// added then. The caller marks the document modified after kCopied.
Result<MonthCopyOutcome> WriteMonthStartCopy(const platform::Path& data_folder, int month_index,
                                             int report_year_byte, const Date& today);

}  // namespace ledra::backup
