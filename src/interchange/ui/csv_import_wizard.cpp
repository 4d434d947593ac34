#include "interchange/ui/csv_import_wizard.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "activity/month_calendar.h"
#include "interchange/csv_column_map.h"
#include "interchange/csv_name_map.h"
#include "interchange/csv_reader.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange::ui {
namespace {

constexpr int kPreviewLines = 5;

QHBoxLayout* Buttons(QPushButton* left, QPushButton* continue_button, QPushButton* cancel) {
  auto* row = new QHBoxLayout;
  row->addWidget(left);
  row->addStretch();
  row->addWidget(continue_button);
  row->addWidget(cancel);
  return row;
}

}  // namespace

CsvColumnDialog::CsvColumnDialog(ColumnMappingStep& step, QWidget* parent)
    : QDialog(parent), step_(step) {
  setWindowTitle(qt::Text(str::kCsvImportTitle));
  auto* layout = new QVBoxLayout(this);
  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel(qt::Text(str::kCsvChooseTarget), this), 0, 0);
  lists->addWidget(new QLabel(qt::Text(str::kCsvChooseColumn), this), 0, 1);
  targets = new QListWidget(this);
  for (int t = 0; t < kCsvTargetCount; ++t) targets->addItem(QString());
  columns = new QListWidget(this);
  for (const std::string& c : step_.columns()) columns->addItem(qt::FromAnsi(c));
  lists->addWidget(targets, 1, 0);
  lists->addWidget(columns, 1, 1);
  layout->addLayout(lists);
  from_hours = new QCheckBox(qt::FromAnsi(ColumnMappingStep::OptionText()), this);
  from_hours->setChecked(step_.participation_from_hours());
  layout->addWidget(from_hours);

  layout->addWidget(new QLabel(qt::Text(str::kCsvPreviewLabel), this));
  const std::vector<CsvLine> lines = step_.Preview(kPreviewLines);
  preview = new QTableWidget(static_cast<int>(lines.size()),
                             static_cast<int>(step_.columns().size()), this);
  QStringList headers;
  for (const std::string& c : step_.columns()) headers << qt::FromAnsi(c);
  preview->setHorizontalHeaderLabels(headers);
  for (std::size_t r = 0; r < lines.size(); ++r)
    for (std::size_t c = 0; c < lines[r].size() && c < step_.columns().size(); ++c)
      preview->setItem(static_cast<int>(r), static_cast<int>(c),
                       new QTableWidgetItem(qt::FromAnsi(lines[r][c])));
  preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(preview);

  clear = new QPushButton(qt::Text(str::kCsvClearColumns), this);
  continue_button = new QPushButton(qt::Text(str::kCsvContinue), this);
  cancel = new QPushButton(qt::Text(str::kCsvCancel), this);
  continue_button->setDefault(true);
  layout->addLayout(Buttons(clear, continue_button, cancel));

  connect(columns, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ColumnChosen(columns->row(item)); });
  connect(from_hours, &QCheckBox::toggled, this, [this](bool on) {
    step_.SetParticipationFromHours(on);
    Refresh();
  });
  connect(clear, &QPushButton::clicked, this, [this] {
    step_.Clear();
    Refresh();
  });
  connect(continue_button, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  targets->setCurrentRow(0);
  Refresh();
  resize(640, 560);
}

void CsvColumnDialog::ColumnChosen(int column) {
  const int target = targets->currentRow();
  if (target < 0 || column < 0) return;
  step_.Pair(static_cast<CsvTarget>(target), column);
  for (int next = 1; next <= kCsvTargetCount; ++next) {
    const int t = (target + next) % kCsvTargetCount;
    if (step_.column(static_cast<CsvTarget>(t)) < 0) {
      targets->setCurrentRow(t);
      break;
    }
  }
  Refresh();
}

void CsvColumnDialog::Refresh() {
  for (int t = 0; t < kCsvTargetCount; ++t)
    targets->item(t)->setText(qt::FromAnsi(step_.TargetText(static_cast<CsvTarget>(t))));
  continue_button->setVisible(step_.CanContinue());
}

CsvNameDialog::CsvNameDialog(NameMatchingStep& step, QWidget* parent)
    : QDialog(parent), step_(step) {
  auto* layout = new QVBoxLayout(this);
  auto* lists = new QHBoxLayout;
  names = new QListWidget(this);
  for (std::size_t i = 0; i < step_.unmatched().size(); ++i) names->addItem(QString());
  publishers = new QListWidget(this);
  for (const NameCandidate& p : step_.publishers()) publishers->addItem(qt::FromAnsi(p.display));
  pair = new QPushButton(qt::Text(str::kCsvPairButton), this);
  lists->addWidget(names, 3);
  lists->addWidget(pair);
  lists->addWidget(publishers, 2);
  layout->addLayout(lists);
  skip = new QCheckBox(qt::Text(str::kCsvSkipUnmatched), this);
  skip->setChecked(step_.skip_unmatched());
  layout->addWidget(skip);
  clear = new QPushButton(qt::Text(str::kCsvClearPairs), this);
  continue_button = new QPushButton(qt::Text(str::kCsvContinue), this);
  cancel = new QPushButton(qt::Text(str::kCsvCancel), this);
  layout->addLayout(Buttons(clear, continue_button, cancel));

  connect(pair, &QPushButton::clicked, this, [this] {
    step_.Pair(names->currentRow(), publishers->currentRow());
    Refresh();
  });
  connect(publishers, &QListWidget::itemDoubleClicked, pair, &QPushButton::click);
  connect(skip, &QCheckBox::toggled, this, [this](bool on) {
    step_.set_skip_unmatched(on);
    Refresh();
  });
  connect(clear, &QPushButton::clicked, this, [this] {
    step_.Clear();
    Refresh();
  });
  connect(continue_button, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  names->setCurrentRow(0);
  Refresh();
  resize(640, 480);
}

void CsvNameDialog::Refresh() {
  setWindowTitle(qt::FromAnsi(step_.Title()));
  for (int i = 0; i < names->count(); ++i) names->item(i)->setText(qt::FromAnsi(step_.NameText(i)));
  continue_button->setVisible(step_.CanContinue());
}

std::optional<ImportTable> RunCsvImportSteps(QWidget* parent, store::Document& doc,
                                             Prompter& prompter, const platform::Path& path) {
  const Result<CsvFile> file = ReadCsvFile(path);
  if (!file) {
    prompter.Inform(file.error().text);
    return std::nullopt;
  }
  if (const Status valid = ValidateCsv(*file); !valid) {
    prompter.Inform(valid.error().text);
    return std::nullopt;
  }
  const platform::Path& folder = doc.data_folder();
  ColumnMappingStep columns(*file, ReadColumnMap(folder));
  CsvColumnDialog column_dialog(columns, parent);
  if (column_dialog.exec() != QDialog::Accepted || !columns.CanContinue()) return std::nullopt;
  const ColumnMap map = columns.Map();
  // The maps only help the next import: failing to keep them stops nothing,
  // and a folder opened read-only keeps them as they were.
  const bool keep = !doc.read_only();
  if (keep) {
    if (const Status kept = WriteColumnMap(folder, map); !kept) prompter.Inform(kept.error().text);
  }

  NameMatchingStep names(doc.db(), *file, map, ReadNameMap(folder));
  if (!names.ConfirmedAtOnce()) {
    CsvNameDialog name_dialog(names, parent);
    if (name_dialog.exec() != QDialog::Accepted || !names.CanContinue()) return std::nullopt;
  }
  if (keep && names.PairsChanged()) {
    if (const Status kept = WriteNameMap(folder, names.PairsToSave()); !kept)
      prompter.Inform(kept.error().text);
  }
  CsvImport in = BuildCsvImport(doc.db(), *file, map, names.LineMatches());
  if (const std::string notice = in.Notice(); !notice.empty()) prompter.Inform(notice);
  return std::move(in.table);
}

std::optional<ImportTable> RunCsvImportWizard(QWidget* parent, store::Document& doc,
                                              Prompter& prompter) {
  const std::string month = activity::MonthName(doc.db().month().report_month_index);
  const QString name = QFileDialog::getOpenFileName(
      parent, qt::FromAnsi(Strings().Format(str::kCsvChooseFile, {month})),
      qt::FromAnsi(platform::PathForMessage(doc.data_folder())),
      qt::Text(str::kCsvFilter) + QStringLiteral(" (*.csv)"));
  if (name.isEmpty() || !name.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
    return std::nullopt;
  return RunCsvImportSteps(parent, doc, prompter, platform::Path(name.toStdString()));
}

}  // namespace ledra::interchange::ui
