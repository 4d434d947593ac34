#pragma once
// The report month from the command's side: what the month dialog's answer
// does to the document (moving the ReportMonth, the copy of the data files,
// the start), closing the open month, and the sheet list's opening rule.

#include <functional>
#include <optional>

#include "activity/month_dialog_model.h"
#include "activity/start_month.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::activity {

enum class MonthCopyResult { kNone, kCopied, kKept, kFailed };

// The copy of the data files made before a start: made, an existing copy
// kept, or failed with its message.
struct MonthCopyStep {
  MonthCopyResult result = MonthCopyResult::kNone;
  std::optional<Message> failure;
};
// Makes that copy for a start of `month` (the backup subsystem's work).
using MonthCopier = std::function<MonthCopyStep(const CalendarMonth& month)>;

struct MonthChoiceOutcome {
  bool started = false;
  MonthCopyStep copy;  // a failed copy: the start went on without it
  StartSummary summary;
};

// Applies what the month dialog returned: the ReportMonth becomes the chosen
// month (with the rows in memory) and a start copies the data files to the
// month's copy folder and then starts every record. Cancel changes nothing.
MonthChoiceOutcome ApplyMonthChoice(store::Document& doc, const MonthChoice& choice,
                                    Prompter& prompter, const MonthCopier& copy);

// Whether the ReportMonth is open for entry.
bool ReportMonthOpen(const store::CongregationDatabase& db);
// The sheet list's close button: the open ReportMonth becomes closed.
// Returns false (nothing changed) when the ReportMonth is not open.
bool CloseMonth(store::CongregationDatabase& db);
// Opening the sheet list clears the state of the month two months on, so
// that a year-old "closed" never offers itself for reopening.
void OpenSheetList(store::CongregationDatabase& db);

// "  Mês de Entradas = %1" with the ReportMonth's name (ANSI).
std::string ReportMonthStatusText(const store::CongregationDatabase& db);

}  // namespace ledra::activity
