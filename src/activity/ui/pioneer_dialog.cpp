#include "activity/ui/pioneer_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "activity/month_calendar.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity::ui {

// Bars of hours and credit for each month of the year, and the line of the
// monthly requirement.
class PioneerChart : public QWidget {
 public:
  explicit PioneerChart(QWidget* parent) : QWidget(parent) { setMinimumSize(360, 140); }
  void Set(const PioneerYear& year) {
    year_ = year;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    int top = year_.requirement;
    for (const PioneerMonth& m : year_.table) top = std::max(top, m.hours + m.credit);
    const int base = height() - 18;
    const double scale = (base - 8) / static_cast<double>(std::max(top, 1));
    const int slot = width() / 12;
    for (int i = 0; i < 12; ++i) {
      const PioneerMonth& m = year_.table[static_cast<std::size_t>(i)];
      const int x = i * slot + slot / 5;
      const int w = slot * 3 / 5;
      const int h = static_cast<int>(m.hours * scale);
      const int c = static_cast<int>(m.credit * scale);
      p.fillRect(x, base - h, w, h, QColor(70, 120, 180));
      p.fillRect(x, base - h - c, w, c, QColor(150, 190, 230));
      p.setPen(palette().text().color());
      p.drawText(QRect(i * slot, base + 2, slot, 16), Qt::AlignCenter,
                 qt::Text(str::kShortMonthJanuary + m.month_index));
    }
    const int need = base - static_cast<int>(year_.requirement * scale);
    p.setPen(QPen(QColor(200, 60, 60), 1, Qt::DashLine));
    p.drawLine(0, need, width(), need);
  }

 private:
  PioneerYear year_;
};

PioneerDialog::PioneerDialog(const store::Document& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
  const auto& db = doc.db();
  setWindowTitle(qt::Text(str::kPioneerDialogCaption));
  auto* layout = new QVBoxLayout(this);
  pioneers_ = new QComboBox(this);
  const auto& m = db.month();
  const int slot = store::MonthSlot(m.report_month_index, m.report_year);
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    if ((db.row(e.row).pioneer_code(slot) & 3) != 2) continue;
    rows_.push_back(e.row);
    pioneers_->addItem(qt::FromAnsi(db.DisplayName(e.row, !db.sort_by_first_name)));
  }
  previous_ = new QCheckBox(qt::Text(str::kPioneerPreviousYear), this);
  name_ = new QLabel(this);
  layout->addWidget(pioneers_);
  layout->addWidget(previous_);
  layout->addWidget(name_);
  for (QLabel*& l : lines_) {
    l = new QLabel(this);
    layout->addWidget(l);
  }
  table_ = new QTableWidget(14, 5, this);
  table_->setHorizontalHeaderLabels({QString(), qt::Text(str::kSheetHours),
                                     qt::Text(str::kPioneerCredits), qt::Text(str::kPioneerTotals),
                                     qt::Text(str::kPioneerRemarks)});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table_, 1);
  chart_ = new PioneerChart(this);
  layout->addWidget(chart_);
  if (rows_.empty()) {
    // Nobody to choose: the list and the box go.
    pioneers_->hide();
    previous_->hide();
    name_->setText(
        qt::FromAnsi(Strings().Format(str::kNoRegularPioneers, {MonthName(m.report_month_index)})));
  }
  connect(pioneers_, &QComboBox::currentIndexChanged, this, &PioneerDialog::Show);
  connect(previous_, &QCheckBox::toggled, this, &PioneerDialog::Show);
  Show();
  resize(560, 640);
}

void PioneerDialog::Show() {
  const int i = pioneers_->currentIndex();
  if (i < 0 || i >= static_cast<int>(rows_.size())) return;
  const int row = rows_[static_cast<std::size_t>(i)];
  const PioneerYear y = ComputePioneerYear(doc_, row, previous_->isChecked());
  name_->setText(pioneers_->currentText());
  for (int k = 0; k < 3; ++k)
    lines_[static_cast<std::size_t>(k)]->setText(
        qt::FromAnsi(y.lines[static_cast<std::size_t>(k)]));
  auto cell = [this](int r, int c, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    if (c > 0 && c < 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(r, c, item);
  };
  for (int r = 0; r < 12; ++r) {
    const PioneerMonth& m = y.table[static_cast<std::size_t>(r)];
    QString month = qt::Text(str::kShortMonthJanuary + m.month_index);
    if (m.month_index == 8 || m.month_index == 0) month += QStringLiteral(" %1").arg(m.year);
    cell(r, 0, month);
    cell(r, 1, m.shown ? QString::number(m.hours) : QString());
    cell(r, 2, m.shown ? QString::number(m.credit) : QString());
    cell(r, 3, m.shown ? QString::number(m.hours + m.credit) : QString());
    cell(r, 4, m.shown ? qt::FromAnsi(m.remark) : QString());
  }
  cell(12, 0, qt::Text(str::kPioneerTotals));
  cell(12, 1, QString::number(y.sum_hours));
  cell(12, 2, QString::number(y.sum_credit));
  cell(12, 3, QString::number(y.sum_hours + y.sum_credit));
  cell(13, 0, qt::Text(str::kPioneerAverage));
  cell(13, 1, y.average_hours ? QString::number(*y.average_hours, 'f', 1) : QString());
  cell(13, 2, QString());
  cell(13, 3, y.average_total ? QString::number(*y.average_total, 'f', 1) : QString());
  chart_->Set(y);
}

}  // namespace ledra::activity::ui
