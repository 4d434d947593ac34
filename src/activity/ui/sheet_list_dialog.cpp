#include "activity/ui/sheet_list_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "activity/month_calendar.h"
#include "activity/month_lifecycle.h"
#include "activity/sheet_totals.h"
#include "activity/ui/report_sheet_dialog.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity::ui {

SheetListDialog::SheetListDialog(store::Document& doc, Prompter& prompter, QWidget* parent,
                                 const SheetImportHooks& hooks)
    : QDialog(parent), doc_(doc), prompter_(prompter), model_(doc.db()) {
  const std::string name = MonthName(doc.db().month().report_month_index);
  setWindowTitle(qt::FromAnsi(model_.Caption()));
  auto* outer = new QVBoxLayout(this);
  auto* layout = new QHBoxLayout;
  outer->addLayout(layout, 1);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);

  groups_ = new QComboBox(this);
  for (const std::string& g : model_.GroupChoices()) groups_->addItem(qt::FromAnsi(g));
  missing_ = new QCheckBox(qt::Text(str::kSheetMissingOnly), this);
  list_ = new QListWidget(this);
  // Wide enough for a whole "Surname, Name" and tall enough for a group.
  list_->setMinimumSize(list_->fontMetrics().averageCharWidth() * 30, 260);
  entered_ = new QLabel(this);
  left->addWidget(groups_);
  left->addWidget(missing_);
  left->addWidget(list_, 1);
  outer->addWidget(entered_);

  auto* box = new QFrame(this);
  box->setFrameShape(QFrame::Box);
  auto* totals = new QGridLayout(box);
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 7; ++c) {
      QLabel*& cell = cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      cell = new QLabel(box);
      if (c > 0) cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      totals->addWidget(cell, r, c);
    }
  }
  right->addWidget(box);
  right->addStretch(1);
  auto* open = new QPushButton(qt::Text(str::kSheetOk), this);
  open->setDefault(true);
  close_month_ =
      new QPushButton(qt::FromAnsi(Strings().Format(str::kMonthCloseButton, {name})), this);
  auto* done = new QPushButton(qt::Text(str::kSheetListDone), this);
  for (QPushButton* b : {open, close_month_, done}) right->addWidget(b);
  // The imports change the figures: the list and totals follow.
  auto* imports = new QGridLayout;
  const std::pair<int, std::function<void(QWidget*)>> buttons[] = {
      {str::kCollectPrepareButton, hooks.prepare},
      {str::kCollectImportButton, hooks.import_collection},
      {str::kImportXmlButton, hooks.import_xml},
      {str::kImportCsvButton, hooks.import_csv}};
  int placed = 0;
  for (const auto& [text, hook] : buttons) {
    if (!hook) continue;
    auto* b = new QPushButton(qt::Text(text), this);
    // The two long captions take a row each; the short ones share the last.
    if (placed < 2)
      imports->addWidget(b, placed, 0, 1, 2);
    else
      imports->addWidget(b, 2, placed - 2);
    ++placed;
    connect(b, &QPushButton::clicked, this, [this, hook] {
      hook(this);
      Fill();
    });
  }
  outer->addLayout(imports);

  connect(groups_, &QComboBox::currentIndexChanged, this, [this](int g) {
    model_.set_group(g < 0 ? 0 : g);
    Fill();
  });
  connect(missing_, &QCheckBox::toggled, this, [this](bool on) {
    model_.set_missing_only(on);
    Fill();
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OpenSheet(); });
  connect(open, &QPushButton::clicked, this, &SheetListDialog::OpenSheet);
  connect(close_month_, &QPushButton::clicked, this, [this] {
    closed_month_ = CloseMonth(doc_.db());
    accept();
  });
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
}

void SheetListDialog::Fill() {
  // The selection stays where it was, or goes back to the top.
  const int kept = list_->currentRow();
  list_->clear();
  for (const SheetLine& line : model_.Lines()) {
    auto* item = new QListWidgetItem(qt::FromAnsi(line.name), list_);
    item->setData(Qt::UserRole, line.row);
  }
  list_->setCurrentRow(kept >= 0 && kept < list_->count() ? kept : 0);
  const std::string marker = model_.EnteredUpTo();
  entered_->setText(qt::FromAnsi(Strings().Get(str::kEnteredUpTo) + marker));
  ShowTotals();
}

void SheetListDialog::ShowTotals() {
  const SheetTotals t = SheetTotalsFrom(ComputeBranchTotals(doc_.db()), doc_.db().new_form());
  const int header[] = {str::kTotalsCount, str::kTotalsPlacements,   str::kTotalsVideos,
                        str::kSheetHours,  str::kTotalsReturnVisits, str::kSheetStudies};
  for (int c = 0; c < 6; ++c)
    cells_[0][static_cast<std::size_t>(c + 1)]->setText(qt::Text(header[c]));
  const std::pair<int, const TotalsRow*> rows[] = {{str::kTotalsLabel, &t.total},
                                                   {str::kTotalsPublishers, &t.rows[0]},
                                                   {str::kTotalsAuxiliary, &t.rows[1]},
                                                   {str::kTotalsRegular, &t.rows[2]}};
  std::size_t r = 1;
  for (const auto& [label, row] : rows) {
    // From the simplified report on, only reports, pioneers' hours and studies.
    auto number = [&](int v, bool shown) { return shown ? QString::number(v) : QString(); };
    const bool hours_shown = !(t.new_form && label == str::kTotalsPublishers);
    const QString texts[] = {qt::Text(label),
                             QString::number(row->reports),
                             number(row->placements, !t.new_form),
                             number(row->videos, !t.new_form),
                             hours_shown ? qt::FromAnsi(HoursText(row->quarters)) : QString(),
                             number(row->return_visits, !t.new_form),
                             QString::number(row->studies)};
    for (std::size_t c = 0; c < 7; ++c) cells_[r][c]->setText(texts[c]);
    ++r;
  }
}

QString SheetListDialog::TotalsCell(int row, int column) const {
  if (row < 0 || row > 4 || column < 0 || column > 6) return {};
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]->text();
}

void SheetListDialog::OpenSheet() {
  QListWidgetItem* item = list_->currentItem();
  if (!item) return;
  ReportSheetDialog sheet(doc_, item->data(Qt::UserRole).toInt(), prompter_, this);
  sheet.exec();
  // Missing-only hides who has just reported; the totals follow every sheet.
  Fill();
}

}  // namespace ledra::activity::ui
