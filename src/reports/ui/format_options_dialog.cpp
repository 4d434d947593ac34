#include "reports/ui/format_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::reports::ui {
namespace {

QComboBox* MarginList(int value, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const std::string& choice : FormatOptionsModel::MarginChoices())
    box->addItem(QString::fromStdString(choice));
  box->setCurrentIndex(value);
  return box;
}

}  // namespace

FormatOptionsDialog::FormatOptionsDialog(FormatOptionsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(qt::Text(str::kCommandFormatOptions));
  const FormatOptionValues& v = model_.values();
  auto box = [this](int text, bool checked) {
    auto* check = new QCheckBox(qt::Text(text), this);
    check->setChecked(checked);
    return check;
  };
  surname_first_ = box(str::kOptionSurnameFirst, v.surname_first);
  surname_first_->setVisible(model_.surname_first_visible());
  birth_statistics_ = box(str::kOptionBirthStatistics, v.birth_statistics);
  alternate_dates_ = box(str::kOptionAlternateDates, v.alternate_dates);
  birth_caption_ = box(str::kOptionBirthCaption, v.birth_caption);
  alternate_labels_ = box(str::kOptionAlternateLabels, v.alternate_labels);
  grid_ = box(str::kOptionGrid, v.grid);
  no_report_boxes_ = box(str::kOptionNoReportBoxes, v.no_report_boxes);
  datestamp_ = box(str::kOptionDatestamp, v.datestamp);
  witness_ = box(str::kOptionEmergencyWitness, v.emergency_witness);
  top_margin_ = MarginList(v.top_margin, this);
  label_margin_ = MarginList(v.label_left_margin, this);
  congregation_ = new QLineEdit(qt::FromAnsi(v.congregation), this);
  congregation_->setMaxLength(static_cast<int>(kCongregationNameMax));

  // The two label boxes follow each other as the rules say.
  connect(alternate_labels_, &QCheckBox::toggled, this, [this](bool on) {
    model_.SetAlternateLabels(on);
    birth_caption_->setChecked(model_.values().birth_caption);
  });
  connect(birth_caption_, &QCheckBox::toggled, this, [this](bool on) {
    model_.SetBirthCaption(on);
    alternate_labels_->setChecked(model_.values().alternate_labels);
  });

  auto* layout = new QVBoxLayout(this);
  for (QCheckBox* check : {surname_first_, birth_statistics_, alternate_dates_, birth_caption_,
                           alternate_labels_, grid_, no_report_boxes_, datestamp_, witness_})
    layout->addWidget(check);
  auto* form = new QFormLayout;
  form->addRow(qt::Text(str::kOptionTopMargin), top_margin_);
  form->addRow(qt::Text(str::kOptionLabelMargin), label_margin_);
  form->addRow(qt::Text(str::kOptionCongregation), congregation_);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    Collect();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FormatOptionsDialog::Collect() {
  FormatOptionValues& v = model_.edit();
  v.surname_first = surname_first_->isChecked();
  v.birth_statistics = birth_statistics_->isChecked();
  v.alternate_dates = alternate_dates_->isChecked();
  v.birth_caption = birth_caption_->isChecked();
  v.alternate_labels = alternate_labels_->isChecked();
  v.grid = grid_->isChecked();
  v.no_report_boxes = no_report_boxes_->isChecked();
  v.datestamp = datestamp_->isChecked();
  v.emergency_witness = witness_->isChecked();
  v.top_margin = top_margin_->currentIndex();
  v.label_left_margin = label_margin_->currentIndex();
  v.congregation = qt::ToAnsi(congregation_->text());
}

bool RunFormatOptions(store::Settings& settings, std::array<std::uint8_t, 7>& shared,
                      QWidget* parent) {
  FormatOptionsModel model(settings, shared);
  FormatOptionsDialog dialog(model, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return model.Apply(settings, shared);
}

}  // namespace ledra::reports::ui
