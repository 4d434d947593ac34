#pragma once
// The sheet list of the open month: the active publishers (one group, or
// only those without data), the entered-up-to marker, the month's running
// totals, each publisher's sheet on OK or a double-click, and the button
// that closes the month.

#include <QDialog>
#include <array>
#include <functional>

#include "activity/sheet_list.h"
#include "platform/prompter.h"
#include "store/document.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace ledra::activity::ui {

// The four import buttons of the list; each one left empty is not shown.
struct SheetImportHooks {
  std::function<void(QWidget*)> prepare, import_collection, import_xml, import_csv;
};

class SheetListDialog : public QDialog {
  Q_OBJECT

 public:
  SheetListDialog(store::Document& doc, Prompter& prompter, QWidget* parent = nullptr,
                  const SheetImportHooks& hooks = {});

  bool closed_month() const { return closed_month_; }
  QPushButton* close_month_button() const { return close_month_; }
  QListWidget* list() const { return list_; }
  QComboBox* groups() const { return groups_; }
  QCheckBox* missing_only() const { return missing_; }
  QLabel* entered_up_to() const { return entered_; }
  // The text of the totals cell (row 0 is the header, row 1 "Totais").
  QString TotalsCell(int row, int column) const;
  // Opens the sheet of the selected publisher.
  void OpenSheet();

 private:
  void Fill();
  void ShowTotals();

  store::Document& doc_;
  Prompter& prompter_;
  SheetList model_;
  QComboBox* groups_ = nullptr;
  QCheckBox* missing_ = nullptr;
  QListWidget* list_ = nullptr;
  QLabel* entered_ = nullptr;
  // The totals box: a header row and four rows of seven cells.
  std::array<std::array<QLabel*, 7>, 5> cells_{};
  QPushButton* close_month_ = nullptr;
  bool closed_month_ = false;
};

}  // namespace ledra::activity::ui
