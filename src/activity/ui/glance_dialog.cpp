#include "activity/ui/glance_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "activity/month_calendar.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::activity::ui {

namespace {

QGroupBox* Group(const QString& title, const std::vector<std::pair<int, QString>>& rows,
                 QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* form = new QFormLayout(box);
  for (const auto& [label, value] : rows) {
    auto* v = new QLabel(value, box);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(qt::Text(label), v);
  }
  return box;
}

QString Average(double v) {
  return QString::asprintf("%4.1f", v).trimmed();
}

std::vector<std::pair<int, QString>> PeriodRows(const GlancePeriod& p) {
  const int values[] = {p.auxiliary, p.new_publishers, p.inactive, p.reactivated, p.moved};
  std::vector<std::pair<int, QString>> rows;
  for (int i = 0; i < 5; ++i)
    rows.emplace_back(str::kGlancePeriodFirst + i, QString::number(values[i]));
  return rows;
}

}  // namespace

GlanceDialog::GlanceDialog(const store::CongregationDatabase& db,
                           const std::string& special_category, QWidget* parent)
    : QDialog(parent) {
  const Glance g = ComputeGlance(db);
  setWindowTitle(qt::Text(str::kPanelGlance));
  auto* layout = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  layout->addLayout(columns);
  const std::vector<std::pair<int, QString>> month = {
      {str::kGlanceFirst + 0, QString::number(g.active)},
      {str::kGlanceFirst + 1, QString::number(g.regular)},
      {str::kGlanceFirst + 2, QString::number(g.baptised)},
      {str::kGlanceFirst + 3, QString::number(g.regular_pioneers)},
      {str::kGlanceFirst + 4, QString::number(g.elders)},
      {str::kGlanceFirst + 5, QString::number(g.ministerial_servants)},
      {str::kGlanceFirst + 6, QString::number(g.auxiliary_pioneers)},
      {str::kGlanceFirst + 7,
       g.avg_hours_publishers ? Average(*g.avg_hours_publishers) : QString()},
      {str::kGlanceFirst + 8, Average(g.avg_hours_regular)},
      {str::kGlanceFirst + 9, Average(g.avg_hours_auxiliary)},
  };
  // The current group is captioned with the ReportMonth's name.
  columns->addWidget(Group(qt::FromAnsi(MonthName(db.month().report_month_index)), month, this));
  auto* right = new QVBoxLayout;
  columns->addLayout(right);
  right->addWidget(Group(qt::Text(str::kGlanceServiceYear), PeriodRows(g.service_year), this));
  right->addWidget(Group(qt::Text(str::kGlanceSixMonths), PeriodRows(g.six_months), this));
  right->addWidget(Group(QString(),
                         {{str::kGlanceDeaf, QString::number(g.deaf)},
                          {str::kGlanceBlind, QString::number(g.blind)},
                          {str::kGlancePrison, QString::number(g.prison)}},
                         this));
  if (!special_category.empty()) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(qt::FromAnsi(special_category) + QStringLiteral(" :"), this));
    auto* count = new QLabel(QString::number(g.special_category), this);
    count->setObjectName(QStringLiteral("specialCategory"));
    row->addWidget(count);
    row->addStretch();
    layout->addLayout(row);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QString GlanceDialog::ValueOf(const QString& label) const {
  for (const QFormLayout* form : findChildren<QFormLayout*>()) {
    for (int r = 0; r < form->rowCount(); ++r) {
      auto* l = form->itemAt(r, QFormLayout::LabelRole);
      auto* v = form->itemAt(r, QFormLayout::FieldRole);
      auto* text = l ? qobject_cast<QLabel*>(l->widget()) : nullptr;
      if (text && v && text->text() == label) return qobject_cast<QLabel*>(v->widget())->text();
    }
  }
  return {};
}

}  // namespace ledra::activity::ui
