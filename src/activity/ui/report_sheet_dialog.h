#pragma once
// One publisher's report sheet: the fields bound to the core's ReportSheet,
// made for typing: digits and "." only, Space or Delete for "0", the arrows
// and Enter moving between the fields, Enter on the studies field saving.

#include <QDialog>

#include "activity/report_sheet.h"
#include "platform/prompter.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ledra::activity::ui {

class ReportSheetDialog : public QDialog {
  Q_OBJECT

 public:
  ReportSheetDialog(store::Document& doc, int row, Prompter& prompter, QWidget* parent = nullptr);

  ReportSheet& sheet() { return sheet_; }
  bool saved() const { return saved_; }
  QCheckBox* participated() const { return participated_; }
  QCheckBox* auxiliary() const { return auxiliary_; }
  QLineEdit* hours() const { return hours_; }
  QLineEdit* studies() const { return studies_; }
  QLineEdit* remark() const { return remark_; }
  QPushButton* remark_button() const { return remark_button_; }
  QPushButton* month_button() const { return month_button_; }
  QListWidget* months() const { return months_; }
  QLabel* notice() const { return notice_; }
  QLabel* credit() const { return credit_; }
  QPushButton* ok_button() const { return ok_; }

  // OK: saves, or tells what is wrong and keeps the sheet open.
  void Save();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFields();
  void ShowState();
  void LeaveRemark();
  void LeaveMonths();
  QWidget* Neighbour(QWidget* from, bool forward) const;

  ReportSheet sheet_;
  Prompter& prompter_;
  bool saved_ = false;
  QLabel* month_ = nullptr;
  QCheckBox* participated_ = nullptr;
  QLabel* hours_label_ = nullptr;
  QLineEdit* hours_ = nullptr;
  QLabel* studies_label_ = nullptr;
  QLineEdit* studies_ = nullptr;
  QLabel* category_ = nullptr;
  QCheckBox* auxiliary_ = nullptr;
  QLabel* credit_ = nullptr;
  QPushButton* remark_button_ = nullptr;
  QLineEdit* remark_ = nullptr;
  QPushButton* month_button_ = nullptr;
  QListWidget* months_ = nullptr;
  QPushButton* months_ok_ = nullptr;
  QLabel* notice_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace ledra::activity::ui
