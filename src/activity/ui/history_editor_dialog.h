#pragma once
// "Editar Histórico": any stored month of a publisher, or of the totals card
// in its totals mode, bound to the core's HistoryEditor.

#include <QDialog>
#include <array>

#include "activity/history_editor.h"
#include "platform/prompter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace ledra::activity::ui {

class HistoryEditorDialog : public QDialog {
  Q_OBJECT

 public:
  // With `inactive`, an inactive record opens on the months before it
  // became inactive (a card of the inactive file).
  HistoryEditorDialog(store::Document& doc, int row, Prompter& prompter, QWidget* parent = nullptr,
                      bool inactive = false);

  HistoryEditor& editor() { return editor_; }
  QComboBox* people() const { return people_; }
  QComboBox* years() const { return years_; }
  QComboBox* months() const { return months_; }
  QLineEdit* field(int i) const { return fields_[static_cast<std::size_t>(i)]; }
  QCheckBox* totals() const { return totals_; }
  // Stores the shown month; a bad field is told and nothing changes.
  bool Store();

 private:
  void FillPeople();
  void FillMonths();
  void Show();
  void Take();
  bool Report(const Status& s);

  store::Document& doc_;
  Prompter& prompter_;
  HistoryEditor editor_;
  std::vector<int> rows_;
  bool filling_ = false;
  QComboBox* people_ = nullptr;
  QComboBox* years_ = nullptr;
  QComboBox* months_ = nullptr;
  QCheckBox* totals_ = nullptr;
  // Publications, videos, hours, return visits, studies, credit.
  std::array<QLineEdit*, 6> fields_{};
  std::array<QLabel*, 6> labels_{};
  std::array<QCheckBox*, 3> pioneer_{};  // auxiliary, regular, special
  QCheckBox* regular_row_ = nullptr;
  QCheckBox* special_row_ = nullptr;
  QCheckBox* late_ = nullptr;
  QCheckBox* less_ = nullptr;
  QCheckBox* participated_ = nullptr;
  QLineEdit* remark_ = nullptr;
  QLineEdit* active_ = nullptr;
};

}  // namespace ledra::activity::ui
