#include "activity/ui/month_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity::ui {

MonthDialog::MonthDialog(store::CongregationDatabase& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent), db_(db), prompter_(prompter), model_(MonthDialogInputs::From(db)) {
  setWindowTitle(qt::Text(str::kMonthDialogCaption));
  auto* layout = new QVBoxLayout(this);
  auto add = [&](const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
  };
  ok_ = add(qt::FromAnsi(model_.ok_text()));
  ok_->setVisible(model_.ok_visible());
  start_ = add(qt::FromAnsi(model_.start_text()));
  early_ = add(qt::FromAnsi(model_.early_text()));
  early_->setVisible(model_.early_visible());
  hint_ = add(qt::Text(str::kMonthHintButton));
  hint_->setVisible(model_.hint_visible());
  QPushButton* cancel = add(qt::Text(str::kMonthCancelButton));
  (model_.ok_visible() ? ok_ : start_)->setDefault(true);

  connect(ok_, &QPushButton::clicked, this, [this] {
    choice_ = model_.Reopen(db_);
    accept();
  });
  connect(start_, &QPushButton::clicked, this, [this] { StartPressed(false); });
  connect(early_, &QPushButton::clicked, this, [this] { StartPressed(true); });
  connect(hint_, &QPushButton::clicked, this,
          [this] { prompter_.Inform(Strings().Get(str::kMonthHint)); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void MonthDialog::StartPressed(bool early) {
  const bool asks = early ? model_.early_asks() : model_.start_asks();
  if (asks) {
    const CalendarMonth month = early ? model_.next() : model_.current();
    // Cancel leaves the dialog open with nothing changed.
    if (prompter_.AskOkCancelDefaultCancel(MonthDialogModel::ConfirmText(month)) != Answer::kOk)
      return;
  }
  choice_ = model_.Start(db_, early);
  accept();
}

MonthChoice RunMonthDialog(store::CongregationDatabase& db, Prompter& prompter, QWidget* parent) {
  MonthDialog dialog(db, prompter, parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.choice();
}

}  // namespace ledra::activity::ui
