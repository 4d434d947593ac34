#pragma once
// "Pioneiros Auxiliares" / "Pioneiros Regulares" / "Pioneiros Especiais": the
// publishers marked as pioneers of one kind in one month of the 24-month
// window, and those not marked at all. Adding or removing changes that one
// month's PioneerCode and nothing else.

#include <string>
#include <vector>

#include "platform/prompter.h"
#include "platform/result.h"
#include "store/congregation_database.h"

namespace ledra::records {

enum class PioneerMode { kAuxiliary = 1, kRegular = 2, kSpecial = 3 };

class PioneerList {
 public:
  // Opens on the ReportMonth.
  PioneerList(store::CongregationDatabase& db, PioneerMode mode);

  PioneerMode mode() const { return mode_; }
  // The "Pioneiros Especiais" box of the regular mode.
  void SetSpecial(bool on);
  bool special_visible() const { return mode_ != PioneerMode::kAuxiliary; }

  int year() const { return year_; }  // four digits
  int month_index() const { return month_index_; }
  std::vector<int> years() const;
  std::vector<int> months(int year) const;
  // A month outside the window is refused.
  Status Choose(int year, int month_index);

  // Active publishers, in list order, whose code that month is the mode's.
  std::vector<int> listed() const;
  // Those whose code that month is 0.
  std::vector<int> others() const;
  // "Pioneiros Auxiliares - Março 26 ( 4 )".
  std::string caption() const;

  // "<<<    &Adic.    <<<": the publisher's code for the month becomes the mode's.
  Status Add(int row, Prompter& prompter);
  // ">>>  &Apagar  >>>": back to 0; in the auxiliary and special modes the
  // ReportMonth also loses the "Auxiliar regular" mark.
  Status Remove(int row, Prompter& prompter);

 private:
  int slot() const;
  bool IsListedActive(int row) const;

  store::CongregationDatabase& db_;
  PioneerMode mode_;
  int year_ = 2000;
  int month_index_ = 0;
};

}  // namespace ledra::records
