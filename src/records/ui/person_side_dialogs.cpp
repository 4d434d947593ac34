#include "records/ui/person_side_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/group_choice.h"

namespace ledra::records::ui {
namespace {

QDialogButtonBox* OkCancel(QDialog* d) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
  QObject::connect(box, &QDialogButtonBox::accepted, d, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, d, &QDialog::reject);
  return box;
}

QComboBox* MonthList(QWidget* parent, int first_id) {
  auto* c = new QComboBox(parent);
  for (int m = 0; m < 12; ++m) c->addItem(qt::Text(first_id + m));
  return c;
}

}  // namespace

// --- status -----------------------------------------------------------------

StatusDialog::StatusDialog(StatusChoice& choice, const QString& name, QWidget* parent)
    : QDialog(parent), choice_(choice) {
  setWindowTitle(qt::FromAnsi(choice.title(qt::ToAnsi(name))));
  auto* layout = new QVBoxLayout(this);
  const int ids[] = {str::kRecStatusNew, str::kRecStatusRegularTransferred,
                     str::kRecStatusIrregularTransferred, str::kRecStatusReactivated,
                     str::kRecStatusClear};
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    kinds[i] = new QRadioButton(qt::Text(ids[i]), this);
    layout->addWidget(kinds[i]);
    connect(kinds[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (!on) return;
      choice_.kind = static_cast<StatusKind>(i);
      Show();
    });
  }
  month = MonthList(this, str::kMonthJanuary);
  year = new QComboBox(this);
  year->addItem(QString::number(choice.previous_year()));
  year->addItem(QString::number(choice.this_year()));
  layout->addWidget(month);
  layout->addWidget(year);
  auto* note = new QLabel(qt::Text(str::kRecStatusMonthNote), this);
  note->setWordWrap(true);
  layout->addWidget(note);
  layout->addWidget(OkCancel(this));
  month->setCurrentIndex(choice.month - 1);
  year->setCurrentIndex(choice.current_year ? 1 : 0);
  kinds[static_cast<std::size_t>(choice.kind)]->setChecked(true);
  Show();
}

void StatusDialog::Show() {
  month->setVisible(choice_.month_visible());
  year->setVisible(choice_.year_visible());
}

void StatusDialog::accept() {
  choice_.month = month->currentIndex() + 1;
  choice_.current_year = year->currentIndex() == 1;
  QDialog::accept();
}

// --- privileges ---------------------------------------------------------------

PrivilegesDialog::PrivilegesDialog(PrivilegesEditor& editor, YearRange years, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setWindowTitle(qt::Text(str::kRecPrivilegesTitle));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(qt::Text(str::kRecPrivilegeStart), this), 0, 1);
  grid->addWidget(new QLabel(qt::Text(str::kRecPrivilegeEnd), this), 0, 2);
  for (int i = 0; i < PrivilegesEditor::kRows; ++i) {
    const auto k = static_cast<std::size_t>(i);
    ticks[k] = new QCheckBox(qt::Text(PrivilegesEditor::CaptionId(i)), this);
    ticks[k]->setChecked(editor.rows[k].ticked);
    starts_[k] = new DateLists(years, this);
    starts_[k]->set_value(editor.rows[k].start);
    ends_[k] = new DateLists(years, this);
    ends_[k]->set_value(editor.rows[k].end);
    grid->addWidget(ticks[k], i + 1, 0);
    grid->addWidget(starts_[k], i + 1, 1);
    grid->addWidget(ends_[k], i + 1, 2);
  }
  grid->addWidget(OkCancel(this), PrivilegesEditor::kRows + 1, 0, 1, 3);
}

void PrivilegesDialog::accept() {
  for (std::size_t k = 0; k < ticks.size(); ++k) {
    editor_.rows[k].ticked = ticks[k]->isChecked();
    editor_.rows[k].start = starts_[k]->value();
    editor_.rows[k].end = ends_[k]->value();
  }
  QDialog::accept();
}

// --- household ---------------------------------------------------------------

HouseholdDialog::HouseholdDialog(HouseholdEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setWindowTitle(qt::FromAnsi(editor.title()));
  auto* layout = new QVBoxLayout(this);
  // Each list under its heading, with the button that acts on it: the
  // household's members (removed with "Apagar") and the publishers in no
  // household (added with "Adicione um Membro").
  auto heading = [this](int caption, QWidget* list) {
    auto* label = new QLabel(qt::Text(caption), this);
    label->setBuddy(list);
    return label;
  };
  // Made in the order shown, which is the keyboard's order too.
  members = new QListWidget(this);
  auto* members_heading = heading(str::kHouseholdMembersHeading, members);
  auto* remove = new QPushButton(qt::Text(str::kRecDeleteButton), this);
  candidates = new QListWidget(this);
  auto* candidates_heading = heading(str::kHouseholdCandidatesHeading, candidates);
  auto* add = new QPushButton(qt::Text(str::kRecAddMember), this);
  auto* close = new QPushButton(qt::Text(str::kRecCloseButton), this);
  for (QWidget* w : std::initializer_list<QWidget*>{members_heading, members, remove,
                                                    candidates_heading, candidates, add})
    layout->addWidget(w);
  for (QPushButton* b : {remove, add}) layout->setAlignment(b, Qt::AlignRight);
  layout->addWidget(close, 0, Qt::AlignRight);
  for (QWidget* w : std::initializer_list<QWidget*>{candidates_heading, candidates, add, remove})
    w->setVisible(editor.can_edit());
  connect(add, &QPushButton::clicked, this, [this] {
    if (auto* item = candidates->currentItem()) {
      editor_.AddMember(static_cast<std::uint16_t>(item->data(Qt::UserRole).toUInt()));
      Fill();
    }
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    if (auto* item = members->currentItem()) {
      editor_.RemoveMember(static_cast<std::uint16_t>(item->data(Qt::UserRole).toUInt()));
      Fill();
    }
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
}

void HouseholdDialog::Fill() {
  members->clear();
  candidates->clear();
  for (const auto& p : editor_.members()) {
    auto* item = new QListWidgetItem(qt::FromAnsi(p.name), members);
    item->setData(Qt::UserRole, p.id);
  }
  for (const auto& p : editor_.candidates()) {
    auto* item = new QListWidgetItem(qt::FromAnsi(p.name), candidates);
    item->setData(Qt::UserRole, p.id);
  }
}

// --- group -------------------------------------------------------------------------

int ChooseGroup(const store::GroupTable& groups, int current, QWidget* parent) {
  QDialog d(parent);
  d.setWindowTitle(qt::Text(str::kRecChooseGroupTitle));
  auto* layout = new QVBoxLayout(&d);
  auto* list = new QListWidget(&d);
  const auto rows = GroupChoices(groups);
  for (const auto& r : rows) list->addItem(qt::FromAnsi(r.text));
  list->setCurrentRow(GroupChoiceRow(rows, current));
  layout->addWidget(list);
  layout->addWidget(OkCancel(&d));
  QObject::connect(list, &QListWidget::itemActivated, &d, &QDialog::accept);
  if (d.exec() != QDialog::Accepted || list->currentRow() < 0) return -1;
  return rows[static_cast<std::size_t>(list->currentRow())].group;
}

// --- deletion ------------------------------------------------------------------

DeletionDialogUi::DeletionDialogUi(DeletionDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  setWindowTitle(qt::FromAnsi(dialog.caption));
  auto* layout = new QVBoxLayout(this);
  permanent = new QRadioButton(qt::Text(str::kRecDeletePermanently), this);
  temporary = new QRadioButton(qt::Text(str::kRecDeleteTemporarily), this);
  permanent->setChecked(!dialog.choice.temporary);
  temporary->setChecked(dialog.choice.temporary);
  month = new QComboBox(this);
  month->addItem(QString());
  for (int m = 0; m < 12; ++m) month->addItem(qt::Text(str::kShortMonthJanuary + m));
  month->setCurrentIndex(dialog.choice.month);
  year = new QComboBox(this);
  for (int y = dialog.first_year; y <= dialog.last_year; ++y) year->addItem(QString::number(y));
  year->setCurrentIndex(dialog.choice.year - dialog.first_year);
  for (QWidget* w : std::initializer_list<QWidget*>{permanent, temporary, month, year})
    layout->addWidget(w);
  layout->addWidget(OkCancel(this));
}

void DeletionDialogUi::accept() {
  dialog_.choice.temporary = temporary->isChecked();
  dialog_.choice.month = month->currentIndex();
  dialog_.choice.year = dialog_.first_year + year->currentIndex();
  QDialog::accept();
}

// --- month chooser -----------------------------------------------------------------

int ChooseMonth(const MonthChooser& chooser, QWidget* parent, bool* transfer) {
  QDialog d(parent);
  d.setWindowTitle(qt::Text(str::kRecChooseMonthTitle));
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(new QLabel(qt::FromAnsi(chooser.prompt), &d));
  auto* list = new QComboBox(&d);
  for (const auto& m : chooser.months()) list->addItem(qt::FromAnsi(m));
  list->setCurrentIndex(chooser.month - 1);
  layout->addWidget(list);
  QCheckBox* transferred = nullptr;
  if (transfer != nullptr) {
    transferred = new QCheckBox(qt::Text(str::kListTransferCheck), &d);
    layout->addWidget(transferred);
  }
  layout->addWidget(OkCancel(&d));
  if (d.exec() != QDialog::Accepted) return 0;
  if (transfer != nullptr) *transfer = transferred->isChecked();
  return list->currentIndex() + 1;
}

}  // namespace ledra::records::ui
