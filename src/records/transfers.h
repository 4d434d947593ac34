#pragma once
// Moving a Bible student or an inactive publisher onto the active list, with
// the month chooser that asks when it happened.

#include <string>
#include <vector>

#include "platform/prompter.h"
#include "store/congregation_database.h"

namespace ledra::records {

// The month chooser: a prompt, the twelve months, the ReportMonth preselected.
struct MonthChooser {
  std::string prompt;  // ANSI
  int month = 1;       // 1-12; 0 = cancelled
  std::vector<std::string> months() const;
};
// "Mês em que" + " " + name + " " + verb.
MonthChooser TransferPrompt(const store::CongregationDatabase& db, int row, int verb_id);

// The MonthCounter of month m (1-12): the report year, or the year before when
// m lies after the ReportMonth.
int TransferCounter(const store::CongregationDatabase& db, int month);

// On month m (1-12) of the chooser; the lists are rebuilt.
void TransferStudentToPublisher(store::CongregationDatabase& db, int row, int month,
                                Prompter& prompter);
void ReactivateInactive(store::CongregationDatabase& db, int row, int month, Prompter& prompter);

}  // namespace ledra::records
