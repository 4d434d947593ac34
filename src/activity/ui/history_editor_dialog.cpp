#include "activity/ui/history_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity::ui {

namespace {

QString Ansi(const std::string& text) {
  return qt::FromAnsi(text);
}

}  // namespace

HistoryEditorDialog::HistoryEditorDialog(store::Document& doc, int row, Prompter& prompter,
                                         QWidget* parent, bool inactive)
    : QDialog(parent),
      doc_(doc),
      prompter_(prompter),
      editor_(inactive ? HistoryEditor::ForInactive(doc, row) : HistoryEditor(doc, row)) {
  setWindowTitle(qt::Text(str::kHistoryCaption));
  auto* grid = new QGridLayout(this);
  people_ = new QComboBox(this);
  totals_ = new QCheckBox(qt::Text(str::kHistoryTotals), this);
  years_ = new QComboBox(this);
  months_ = new QComboBox(this);
  grid->addWidget(people_, 0, 0, 1, 2);
  grid->addWidget(totals_, 0, 2);
  grid->addWidget(years_, 1, 0);
  grid->addWidget(months_, 1, 1);

  const int names[] = {str::kTotalsPlacements,   str::kTotalsVideos, str::kSheetHours,
                       str::kTotalsReturnVisits, str::kSheetStudies, str::kHistoryCreditLabel};
  auto* digits =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this);
  for (std::size_t i = 0; i < 6; ++i) {
    labels_[i] = new QLabel(qt::Text(names[i]), this);
    fields_[i] = new QLineEdit(this);
    fields_[i]->setValidator(digits);
    grid->addWidget(labels_[i], static_cast<int>(i) + 2, 0);
    grid->addWidget(fields_[i], static_cast<int>(i) + 2, 1);
  }
  const int codes[] = {str::kSheetAuxiliaryPioneer, str::kHistoryRegularPioneer,
                       str::kSheetSpecialPioneer};
  for (std::size_t i = 0; i < 3; ++i) {
    pioneer_[i] = new QCheckBox(qt::Text(codes[i]), this);
    grid->addWidget(pioneer_[i], static_cast<int>(i) + 2, 2);
    connect(pioneer_[i], &QCheckBox::clicked, this, [this, i](bool on) {
      Take();
      // The three boxes exclude each other.
      editor_.SetPioneer(on ? static_cast<int>(i) + 1 : 0);
      Show();
    });
  }
  regular_row_ = new QCheckBox(qt::Text(str::kHistoryRegularRow), this);
  special_row_ = new QCheckBox(qt::Text(str::kHistorySpecialRow), this);
  late_ = new QCheckBox(qt::Text(str::kHistoryLate), this);
  less_ = new QCheckBox(qt::Text(str::kHistoryLessThanHour), this);
  participated_ = new QCheckBox(qt::Text(str::kSheetParticipated), this);
  grid->addWidget(regular_row_, 5, 2);
  grid->addWidget(special_row_, 6, 2);
  grid->addWidget(late_, 7, 2);
  grid->addWidget(less_, 8, 0);
  grid->addWidget(participated_, 8, 1, 1, 2);
  remark_ = new QLineEdit(this);
  remark_->setMaxLength(kHistoryRemarkLength);
  grid->addWidget(new QLabel(qt::Text(str::kPioneerRemarks), this), 9, 0);
  grid->addWidget(remark_, 9, 1, 1, 2);
  active_ = new QLineEdit(this);
  active_->setValidator(digits);
  grid->addWidget(active_, 10, 1);
  auto* buttons = new QHBoxLayout;
  auto* store = new QPushButton(qt::Text(str::kHistoryStore), this);
  auto* next = new QPushButton(qt::Text(str::kHistoryNext), this);
  auto* close = new QPushButton(qt::Text(str::kHistoryClose), this);
  for (QPushButton* b : {store, next, close}) buttons->addWidget(b);
  grid->addLayout(buttons, 11, 0, 1, 3);

  connect(late_, &QCheckBox::clicked, this, [this](bool on) { editor_.SetLate(on); });
  connect(less_, &QCheckBox::clicked, this, [this](bool on) {
    Take();
    editor_.SetLessThanHour(on);
    Show();
  });
  connect(participated_, &QCheckBox::clicked, this, [this](bool on) {
    Take();
    editor_.SetParticipated(on);
    Show();
  });
  connect(fields_[2], &QLineEdit::editingFinished, this, [this] {
    Take();
    editor_.HoursLeft();
    Show();
  });
  connect(remark_, &QLineEdit::editingFinished, this, [this] {
    if (remark_->text() != Ansi(editor_.remark()))
      (void)editor_.RemarkLeft(qt::ToAnsi(remark_->text()));
  });
  connect(regular_row_, &QCheckBox::clicked, this, [this](bool on) {
    Take();
    editor_.ChoosePioneerRow(on ? PioneerRow::kRegular : PioneerRow::kSum);
    Show();
  });
  connect(special_row_, &QCheckBox::clicked, this, [this](bool on) {
    Take();
    editor_.ChoosePioneerRow(on ? PioneerRow::kSpecial : PioneerRow::kSum);
    Show();
  });
  connect(totals_, &QCheckBox::clicked, this, [this](bool on) {
    Take();
    const Result<bool> switched = editor_.SetTotals(on);
    if (!switched) prompter_.Inform(switched.error().text);
    FillPeople();
    Show();
  });
  connect(people_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (filling_ || i < 0) return;
    Take();
    if (editor_.totals()) {
      editor_.ChooseDesignation(static_cast<Designation>(i));
    } else if (!Report(editor_.ChoosePerson(rows_[static_cast<std::size_t>(i)]))) {
      return;
    }
    Show();
  });
  auto choose_month = [this] {
    if (filling_ || months_->currentIndex() < 0) return;
    Take();
    if (Report(editor_.Choose(years_->currentData().toInt(), months_->currentData().toInt())))
      Show();
  };
  connect(years_, &QComboBox::currentIndexChanged, this, [this, choose_month] {
    if (filling_) return;
    FillMonths();
    choose_month();
  });
  connect(months_, &QComboBox::currentIndexChanged, this, choose_month);
  connect(store, &QPushButton::clicked, this, [this] { Store(); });
  connect(next, &QPushButton::clicked, this, [this] {
    Take();
    if (Report(editor_.NextMonth())) Show();
  });
  connect(close, &QPushButton::clicked, this, [this] {
    if (Store()) accept();
  });

  FillPeople();
  Show();
}

bool HistoryEditorDialog::Report(const Status& s) {
  if (!s) prompter_.Inform(s.error().text);
  return s.ok();
}

void HistoryEditorDialog::FillPeople() {
  filling_ = true;
  people_->clear();
  rows_.clear();
  const auto& db = doc_.db();
  if (editor_.totals()) {
    for (int id : {str::kDesignationPublishers, str::kDesignationAuxiliary,
                   str::kDesignationPioneers, str::kHistoryActivePublishers})
      people_->addItem(qt::Text(id));
    people_->setCurrentIndex(static_cast<int>(editor_.designation()));
  } else {
    const auto list = editor_.inactive() ? store::ListType::kInactive : store::ListType::kActive;
    for (const store::IndexEntry& e : db.status_list(list)) {
      rows_.push_back(e.row);
      people_->addItem(Ansi(db.DisplayName(e.row, !db.sort_by_first_name)));
      if (e.row == editor_.row()) people_->setCurrentIndex(people_->count() - 1);
    }
  }
  filling_ = false;
}

void HistoryEditorDialog::FillMonths() {
  filling_ = true;
  months_->clear();
  for (int m : editor_.Months(years_->currentData().toInt())) {
    months_->addItem(Ansi(MonthName(m)), m);
    if (m == editor_.month_index()) months_->setCurrentIndex(months_->count() - 1);
  }
  filling_ = false;
}

void HistoryEditorDialog::Show() {
  filling_ = true;
  years_->clear();
  for (int y : editor_.Years()) {
    if (editor_.Months(y).empty()) continue;
    years_->addItem(QString::number(y), y);
    if (y == editor_.year()) years_->setCurrentIndex(years_->count() - 1);
  }
  filling_ = false;
  FillMonths();
  setWindowTitle(qt::Text(str::kHistoryCaption) + QStringLiteral(" - ") + Ansi(editor_.caption()));
  std::string* texts[] = {&editor_.publications,  &editor_.videos,  &editor_.hours,
                          &editor_.return_visits, &editor_.studies, &editor_.credit};
  const bool totals = editor_.totals();
  const bool counters = totals || editor_.counters_visible();
  const bool shown[] = {counters,
                        counters,
                        totals || editor_.hours_visible(),
                        counters,
                        totals || editor_.studies_visible(),
                        editor_.credit_visible()};
  for (std::size_t i = 0; i < 6; ++i) {
    fields_[i]->setText(Ansi(*texts[i]));
    fields_[i]->setVisible(shown[i]);
    labels_[i]->setVisible(shown[i]);
    fields_[i]->setReadOnly(totals && editor_.read_only());
  }
  labels_[5]->setText(Ansi(editor_.credit_label()));
  fields_[2]->setEnabled(editor_.hours_enabled());
  for (std::size_t i = 0; i < 3; ++i) {
    pioneer_[i]->setChecked(editor_.pioneer() == static_cast<int>(i) + 1);
    pioneer_[i]->setVisible(!totals);
  }
  const bool pioneers_row = totals && editor_.designation() == Designation::kPioneers;
  regular_row_->setVisible(pioneers_row);
  special_row_->setVisible(pioneers_row);
  regular_row_->setChecked(editor_.pioneer_row() == PioneerRow::kRegular);
  special_row_->setChecked(editor_.pioneer_row() == PioneerRow::kSpecial);
  late_->setVisible(!totals && editor_.late_visible());
  late_->setChecked(editor_.late());
  less_->setVisible(!totals && editor_.less_than_hour_visible());
  less_->setChecked(editor_.less_than_hour());
  participated_->setVisible(!totals && editor_.participated_visible());
  participated_->setChecked(editor_.participated());
  remark_->setVisible(!totals);
  remark_->setText(Ansi(editor_.remark()));
  active_->setVisible(totals && editor_.designation() == Designation::kActive);
  active_->setText(Ansi(editor_.active));
  for (std::size_t i = 0; i < 6; ++i) {
    if (totals && editor_.designation() == Designation::kActive) {
      fields_[i]->setVisible(false);
      labels_[i]->setVisible(false);
    }
  }
}

void HistoryEditorDialog::Take() {
  std::string* texts[] = {&editor_.publications,  &editor_.videos,  &editor_.hours,
                          &editor_.return_visits, &editor_.studies, &editor_.credit};
  for (std::size_t i = 0; i < 6; ++i) *texts[i] = qt::ToAnsi(fields_[i]->text());
  editor_.active = qt::ToAnsi(active_->text());
}

bool HistoryEditorDialog::Store() {
  Take();
  const Result<bool> stored = editor_.Store();
  if (!stored) {
    prompter_.Inform(stored.error().text);
    return false;
  }
  Show();
  return true;
}

}  // namespace ledra::activity::ui
