#pragma once
// The dialog "Aviso!!": the unencrypted exports found in the data folder, all
// checked, deleted on OK.

#include <QDialog>
#include <vector>

#include "platform/files.h"
#include "platform/prompter.h"
#include "store/confidentiality_sweep.h"

class QListWidget;

namespace ledra::store::ui {

class ConfidentialitySweepDialog : public QDialog {
  Q_OBJECT

 public:
  ConfidentialitySweepDialog(std::vector<SweepCandidate> candidates, QWidget* parent = nullptr);

  // The candidates with the check marks as the user left them.
  std::vector<SweepCandidate> candidates() const;
  QListWidget* list() const { return list_; }

 private:
  std::vector<SweepCandidate> candidates_;
  QListWidget* list_ = nullptr;
};

// The sweep at opening: offers the month-named exports, then deletes the
// export leftovers. Failures to delete are shown.
void RunConfidentialitySweep(const platform::Path& folder, Prompter& prompter, QWidget* parent);

}  // namespace ledra::store::ui
