#include "activity/ui/status_list_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "activity/missing_reports_mail.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::activity::ui {
namespace {

constexpr int kLastDialogKind = static_cast<int>(StatusListKind::kSpecialCategory);

// Dialog units to pixels, about as a dialog font of 8 points sets them.
int Pixels(int dialog_units) {
  return dialog_units * 3 / 2;
}

}  // namespace

StatusListDialog::StatusListDialog(const store::CongregationDatabase& db, StatusListOptions options,
                                   StatusListKind kind, QWidget* parent)
    : QDialog(parent), db_(db), model_(db, std::move(options)) {
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  layout->addLayout(left, 3);
  layout->addLayout(right, 1);

  kinds_ = new QComboBox(this);
  for (int k = 0; k <= kLastDialogKind; ++k) {
    const auto each = static_cast<StatusListKind>(k);
    if (model_.Offered(each)) kinds_->addItem(qt::FromAnsi(model_.KindName(each)), k);
  }
  kinds_->setCurrentIndex(std::max(0, kinds_->findData(static_cast<int>(kind))));
  second_ = new QComboBox(this);
  heading_ = new QLabel(this);
  lines_ = new QTreeWidget(this);
  lines_->setHeaderHidden(true);
  lines_->setRootIsDecorated(false);
  left->addWidget(kinds_);
  left->addWidget(second_);
  left->addWidget(heading_);
  left->addWidget(lines_, 1);

  selections_ = new QListWidget(this);
  auto* done = new QPushButton(qt::Text(str::kStatusDone), this);
  done->setDefault(true);
  copy_ = new QPushButton(qt::Text(str::kStatusCopy), this);
  right->addWidget(selections_, 1);
  print_ = new QPushButton(qt::Text(str::kStatusPrint), this);
  print_setup_ = new QPushButton(qt::Text(str::kStatusPrintSetup), this);
  right->addWidget(print_);
  right->addWidget(print_setup_);
  right->addWidget(copy_);
  mail_ = new QPushButton(qt::Text(str::kMailReminderButton), this);
  right->addWidget(mail_);
  right->addWidget(done);

  connect(kinds_, &QComboBox::currentIndexChanged, this, [this] { KindChanged(); });
  connect(second_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
  connect(selections_, &QListWidget::currentRowChanged, this, [this] { Fill(); });
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  connect(copy_, &QPushButton::clicked, this, [this] {
    const Result<std::string> text = model_.ClipboardText(Choice());
    if (text) QGuiApplication::clipboard()->setText(qt::FromAnsi(*text));
  });
  connect(print_, &QPushButton::clicked, this, [this] {
    const StatusListChoice choice = Choice();
    const Result<StatusListPage> page = model_.Build(choice);
    if (page && on_print) on_print(*page, choice.kind);
  });
  connect(mail_, &QPushButton::clicked, this, [this] {
    if (on_mail) on_mail(Choice());
  });
  connect(print_setup_, &QPushButton::clicked, this, [this] {
    if (on_print_setup) on_print_setup();
  });
  KindChanged();
}

StatusListChoice StatusListDialog::Choice() const {
  StatusListChoice choice;
  choice.kind = static_cast<StatusListKind>(kinds_->currentData().toInt());
  const int second = std::max(0, second_->currentIndex());
  if (choice.kind == StatusListKind::kNotReported) choice.month_index = second;
  const auto periods = StatusList::Periods(choice.kind);
  if (!periods.empty() && second < static_cast<int>(periods.size()))
    choice.period = periods[static_cast<std::size_t>(second)];
  const int row = std::max(0, selections_->currentRow());
  if (StatusList::ChoosesGroup(choice.kind))
    choice.group = row;
  else
    choice.selection = row;
  return choice;
}

void StatusListDialog::KindChanged() {
  const auto kind = static_cast<StatusListKind>(kinds_->currentData().toInt());
  // Refilling the drop-down and the list must not fill the lines halfway.
  const QSignalBlocker block_second(second_);
  const QSignalBlocker block_selections(selections_);
  second_->clear();
  if (kind == StatusListKind::kNotReported) {
    for (int m = 0; m < 12; ++m) second_->addItem(qt::FromAnsi(MonthName(m)));
    second_->setCurrentIndex(db_.month().report_month_index);
  }
  for (StatusPeriod p : StatusList::Periods(kind))
    second_->addItem(qt::FromAnsi(StatusList::PeriodName(p)));
  second_->setVisible(second_->count() > 0);
  selections_->clear();
  for (const std::string& row : model_.Selections(kind)) selections_->addItem(qt::FromAnsi(row));
  selections_->setCurrentRow(0);
  selections_->setVisible(selections_->count() > 0);
  copy_->setVisible(kind == StatusListKind::kNotReported);
  mail_->setVisible(kind == StatusListKind::kNotReported);
  Fill();
}

void StatusListDialog::Fill() {
  lines_->clear();
  // The reminder goes only where someone listed has an address.
  const auto addresses = ReminderAddresses(db_, Choice());
  mail_->setEnabled(addresses && !addresses->empty());
  const Result<StatusListPage> page = model_.Build(Choice());
  if (!page) {
    heading_->setText(qt::FromAnsi(page.error().text));
    return;
  }
  setWindowTitle(qt::FromAnsi(page->caption));
  heading_->setText(qt::FromAnsi(page->heading));
  // Each tab stop starts a column of its own.
  const std::vector<int>& stops = page->tab_stops;
  lines_->setColumnCount(static_cast<int>(stops.size()) + 1);
  int left = 0;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    lines_->setColumnWidth(static_cast<int>(i), Pixels(stops[i] - left));
    left = stops[i];
  }
  for (const StatusLine& line : page->lines) {
    const QStringList columns = qt::FromAnsi(line.text).split(QLatin1Char('\t'));
    auto* item = new QTreeWidgetItem(lines_, columns);
    item->setData(0, Qt::UserRole, line.row);
  }
}

}  // namespace ledra::activity::ui
