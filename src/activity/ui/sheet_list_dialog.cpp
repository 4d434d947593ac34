#include "activity/ui/sheet_list_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "activity/month_calendar.h"
#include "activity/month_lifecycle.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity::ui {

namespace {

// A slot counts as reported when it has hours, quarter hours or the
// participated mark.
bool Reported(const store::PublisherRecord& p, int slot) {
  return p.word(store::SlotWords::kHours, slot) != 0 ||
         (p.word(store::SlotWords::kStudiesWord, slot) & 0xF800) != 0;
}

}  // namespace

SheetListDialog::SheetListDialog(store::CongregationDatabase& db, QWidget* parent)
    : QDialog(parent), db_(db) {
  const auto& m = db.month();
  const std::string name = MonthName(m.report_month_index);
  setWindowTitle(qt::FromAnsi(Strings().Format(str::kSheetListCaption, {name})));
  auto* layout = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  const int slot = store::MonthSlot(m.report_month_index, m.report_year);
  int reported = 0;
  const bool surname_first = !db.sort_by_first_name;
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    const bool done = Reported(db.row(e.row), slot);
    reported += done ? 1 : 0;
    auto* item = new QListWidgetItem(qt::FromAnsi(db.DisplayName(e.row, surname_first)), list_);
    item->setCheckState(done ? Qt::Checked : Qt::Unchecked);
    item->setFlags(Qt::ItemIsEnabled);
  }
  const int active = static_cast<int>(db.status_list(store::ListType::kActive).size());
  std::string summary =
      Strings().Format(str::kSheetListReported, {std::to_string(reported), std::to_string(active)});
  if (db.last_entered_id != 0)
    summary += Strings().Get(str::kEnteredUpTo) + db.DisplayNameById(db.last_entered_id, true);
  layout->addWidget(new QLabel(qt::FromAnsi(summary), this));
  layout->addWidget(list_);
  close_month_ =
      new QPushButton(qt::FromAnsi(Strings().Format(str::kMonthCloseButton, {name})), this);
  auto* done = new QPushButton(qt::Text(str::kSheetListDone), this);
  done->setDefault(true);
  layout->addWidget(close_month_);
  layout->addWidget(done);
  connect(close_month_, &QPushButton::clicked, this, [this] {
    closed_month_ = CloseMonth(db_);
    accept();
  });
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace ledra::activity::ui
