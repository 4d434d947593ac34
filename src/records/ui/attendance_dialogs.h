#pragma once
// "Assistência às Reuniões", the month's attendance typed in, bound to the
// core's AttendanceEntry; and "Médias das Assistências às Reuniões", the
// attendance record shown in a preview and printed from it.

#include <QDialog>
#include <array>

#include "platform/prompter.h"
#include "records/attendance_entry.h"
#include "reports/attendance_record_page.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ledra::records::ui {

class AttendanceEntryDialog : public QDialog {
  Q_OBJECT

 public:
  AttendanceEntryDialog(store::Document& doc, Prompter& prompter, QWidget* parent = nullptr);

  AttendanceEntry& entry() { return entry_; }
  QListWidget* months() const { return months_; }
  QListWidget* years() const { return years_; }
  QLineEdit* week(int meeting, int week) const {
    return weeks_[static_cast<std::size_t>(meeting * kAttendanceWeeks + week)];
  }
  QLineEdit* total(int meeting) const { return totals_[static_cast<std::size_t>(meeting)]; }
  QLineEdit* average(int meeting) const { return averages_[static_cast<std::size_t>(meeting)]; }
  QPushButton* done_button() const { return done_; }

  // Every way of closing stores the month shown; a bad field is told and the
  // dialog stays.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show();
  void ShowFigures();
  void Take();
  bool Report(const Status& s);

  Prompter& prompter_;
  AttendanceEntry entry_;
  bool filling_ = false;
  QListWidget* months_ = nullptr;
  QListWidget* years_ = nullptr;
  std::array<QLineEdit*, kAttendanceFields> weeks_{};
  std::array<QLineEdit*, kAttendanceMeetings> totals_{};
  std::array<QLineEdit*, kAttendanceMeetings> averages_{};
  QPushButton* done_ = nullptr;
};

class AttendanceRecordDialog : public QDialog {
  Q_OBJECT

 public:
  // `env` describes the screen and the report fonts; the printer's own
  // resolution is taken when printing.
  AttendanceRecordDialog(const store::CongregationDatabase& db, reports::ReportEnv env,
                         Prompter& prompter, QWidget* parent = nullptr);

  QWidget* preview() const { return preview_; }
  QPushButton* print_button() const { return print_; }
  const reports::AttendanceRecord& record() const { return record_; }

 private:
  void Print();

  reports::ReportEnv env_;
  Prompter& prompter_;
  reports::AttendanceRecord record_;
  QWidget* preview_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace ledra::records::ui
