#include "records/ui/date_lists.h"

#include <QComboBox>
#include <QHBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::records::ui {

DateLists::DateLists(YearRange years, QWidget* parent) : QWidget(parent), years_(years) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  month_ = new QComboBox(this);
  day_ = new QComboBox(this);
  year_ = new QComboBox(this);
  month_->addItem(QString());
  for (int m = 0; m < 12; ++m) month_->addItem(qt::Text(str::kShortMonthJanuary + m));
  day_->addItem(QString());
  for (int d = 1; d <= 31; ++d) day_->addItem(QString("%1").arg(d, 2, 10, QChar('0')));
  year_->addItem(QString());
  for (int y = years.first; y <= years.last; ++y) year_->addItem(QString::number(y));
  for (QComboBox* c : {month_, day_, year_}) row->addWidget(c);
}

DateParts DateLists::value() const {
  const int y = year_->currentIndex();
  return {month_->currentIndex(), day_->currentIndex(), y > 0 ? years_.first + y - 1 : 0};
}

void DateLists::set_value(DateParts p) {
  month_->setCurrentIndex(p.month >= 1 && p.month <= 12 ? p.month : 0);
  day_->setCurrentIndex(p.day >= 1 && p.day <= 31 ? p.day : 0);
  const int y = p.year >= years_.first && p.year <= years_.last ? p.year - years_.first + 1 : 0;
  year_->setCurrentIndex(y);
}

}  // namespace ledra::records::ui
