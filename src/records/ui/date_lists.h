#pragma once
// Month, day and year lists of one date; each list takes typed keys.

#include <QWidget>

#include "records/date_text.h"

class QComboBox;

namespace ledra::records::ui {

class DateLists : public QWidget {
  Q_OBJECT

 public:
  DateLists(YearRange years, QWidget* parent = nullptr);
  DateParts value() const;
  void set_value(DateParts parts);
  QComboBox* month() const { return month_; }
  QComboBox* day() const { return day_; }
  QComboBox* year() const { return year_; }

 private:
  QComboBox* month_;
  QComboBox* day_;
  QComboBox* year_;
  YearRange years_;
};

}  // namespace ledra::records::ui
