#pragma once
// The small dialogs around the publisher editor, each bound to its core class:
// status, privileges, household, group, deletion and the month chooser.

#include <QDialog>
#include <array>

#include "records/household.h"
#include "records/privileges.h"
#include "records/publisher_deletion.h"
#include "records/status_choice.h"
#include "records/transfers.h"
#include "records/ui/date_lists.h"
#include "store/side_tables.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QRadioButton;
class QPushButton;

namespace ledra::records::ui {

class StatusDialog : public QDialog {
  Q_OBJECT
 public:
  StatusDialog(StatusChoice& choice, const QString& name, QWidget* parent = nullptr);
  void accept() override;
  std::array<QRadioButton*, 5> kinds{};
  QComboBox* month = nullptr;
  QComboBox* year = nullptr;

 private:
  void Show();
  StatusChoice& choice_;
};

class PrivilegesDialog : public QDialog {
  Q_OBJECT
 public:
  PrivilegesDialog(PrivilegesEditor& editor, YearRange years, QWidget* parent = nullptr);
  void accept() override;
  std::array<QCheckBox*, PrivilegesEditor::kRows> ticks{};

 private:
  PrivilegesEditor& editor_;
  std::array<DateLists*, PrivilegesEditor::kRows> starts_{}, ends_{};
};

class HouseholdDialog : public QDialog {
  Q_OBJECT
 public:
  HouseholdDialog(HouseholdEditor& editor, QWidget* parent = nullptr);
  QListWidget* members = nullptr;
  QListWidget* candidates = nullptr;

 private:
  void Fill();
  HouseholdEditor& editor_;
};

// "Escolha o Grupo de Serviço de Campo"; returns the chosen group or -1.
int ChooseGroup(const store::GroupTable& groups, int current, QWidget* parent);

class DeletionDialogUi : public QDialog {
  Q_OBJECT
 public:
  DeletionDialogUi(DeletionDialog& dialog, QWidget* parent = nullptr);
  void accept() override;
  QRadioButton* permanent = nullptr;
  QRadioButton* temporary = nullptr;
  QComboBox* month = nullptr;
  QComboBox* year = nullptr;

 private:
  DeletionDialog& dialog_;
};

// The month chooser: 1-12, or 0 when cancelled.
// With `transfer`, a box asks whether it was a transfer from another congregation.
int ChooseMonth(const MonthChooser& chooser, QWidget* parent, bool* transfer = nullptr);

}  // namespace ledra::records::ui
