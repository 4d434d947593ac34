#pragma once
// "Apagar": removing a person for good, or moving the record to the deleted
// list with the month and year of its deletion.

#include <string>

#include "platform/prompter.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::records {

inline constexpr int kMaxDeleted = 299;
inline constexpr int kFirstDeletionYear = 1950;

struct DeletionChoice {
  bool temporary = false;
  int month = 0;  // 0 blank, 1-12
  int year = 0;   // four digits
};

// The dialog: caption, and the lists preset to the ReportMonth.
struct DeletionDialog {
  std::string caption;  // the person's full name
  DeletionChoice choice;
  int first_year = kFirstDeletionYear;
  int last_year = 0;
};
DeletionDialog OpenDeletion(const store::Document& doc, int row);

// The date word of a deleted record: month + (year - 1950) * 256.
std::uint16_t DeletionDateWord(int month, int year);

// Applies the choice to `row`; the lists are rebuilt. A full deleted list
// refuses a temporary deletion with a message and changes nothing.
Status DeletePublisher(store::Document& doc, int row, const DeletionChoice& choice,
                       Prompter& prompter);

}  // namespace ledra::records
