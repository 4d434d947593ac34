#include "store/ui/confidentiality_sweep_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <utility>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::store::ui {

ConfidentialitySweepDialog::ConfidentialitySweepDialog(std::vector<SweepCandidate> candidates,
                                                       QWidget* parent)
    : QDialog(parent), candidates_(std::move(candidates)) {
  setWindowTitle(qt::Text(str::kSweepCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(qt::Text(str::kSweepText1), this));
  layout->addWidget(new QLabel(qt::Text(str::kSweepText2), this));
  list_ = new QListWidget(this);
  for (const SweepCandidate& c : candidates_) {
    auto* item = new QListWidgetItem(qt::FromAnsi(platform::PathForMessage(c.name)), list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(c.selected ? Qt::Checked : Qt::Unchecked);
  }
  layout->addWidget(list_);
  layout->addWidget(new QLabel(qt::Text(str::kSweepText3), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

std::vector<SweepCandidate> ConfidentialitySweepDialog::candidates() const {
  std::vector<SweepCandidate> result = candidates_;
  for (int row = 0; row < list_->count() && row < static_cast<int>(result.size()); ++row)
    result[static_cast<std::size_t>(row)].selected = list_->item(row)->checkState() == Qt::Checked;
  return result;
}

void RunConfidentialitySweep(const platform::Path& folder, Prompter& prompter, QWidget* parent) {
  std::vector<Message> failures;
  if (std::vector<SweepCandidate> found = FindSweepCandidates(folder); !found.empty()) {
    ConfidentialitySweepDialog dialog(std::move(found), parent);
    if (dialog.exec() == QDialog::Accepted) failures = DeleteSelected(folder, dialog.candidates());
  }
  for (Message& m : DeleteExportLeftovers(folder)) failures.push_back(std::move(m));
  for (const Message& m : failures) prompter.Inform(m.text);
}

}  // namespace ledra::store::ui
