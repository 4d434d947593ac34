#include "activity/ui/report_sheet_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity::ui {

namespace {

QString Ansi(const std::string& text) {
  return qt::FromAnsi(text);
}

}  // namespace

ReportSheetDialog::ReportSheetDialog(store::Document& doc, int row, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), sheet_(doc, row), prompter_(prompter) {
  setWindowTitle(Ansi(sheet_.name()));
  auto* grid = new QGridLayout(this);
  auto* heading = new QLabel(Ansi(sheet_.name()), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  grid->addWidget(heading, 0, 0, 1, 3);
  month_ = new QLabel(this);
  grid->addWidget(month_, 1, 0, 1, 3);

  participated_ = new QCheckBox(qt::Text(str::kSheetParticipated), this);
  participated_->setToolTip(qt::Text(str::kSheetParticipatedTip));
  grid->addWidget(participated_, 2, 0, 1, 3);
  auto* digits =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this);
  hours_label_ = new QLabel(qt::Text(str::kSheetHours), this);
  hours_ = new QLineEdit(this);
  hours_->setValidator(digits);
  studies_label_ = new QLabel(qt::Text(str::kSheetStudies), this);
  studies_ = new QLineEdit(this);
  studies_->setValidator(digits);
  grid->addWidget(hours_label_, 3, 0);
  grid->addWidget(hours_, 3, 1);
  grid->addWidget(studies_label_, 4, 0);
  grid->addWidget(studies_, 4, 1);

  category_ = new QLabel(this);
  auxiliary_ = new QCheckBox(qt::Text(str::kSheetAuxiliaryPioneer), this);
  grid->addWidget(category_, 5, 0, 1, 2);
  grid->addWidget(auxiliary_, 5, 0, 1, 2);
  grid->addWidget(new QLabel(Ansi(sheet_.servant_text()), this), 6, 0, 1, 2);
  grid->addWidget(new QLabel(Ansi(sheet_.group_text()), this), 7, 0, 1, 2);
  credit_ = new QLabel(this);
  grid->addWidget(credit_, 3, 2);

  remark_button_ = new QPushButton(qt::Text(str::kSheetRemarks), this);
  remark_ = new QLineEdit(this);
  remark_->setMaxLength(kRemarkLength);
  remark_->hide();
  month_button_ = new QPushButton(qt::Text(str::kSheetLateMonth), this);
  months_ = new QListWidget(this);
  for (int m = 0; m < 12; ++m) months_->addItem(Ansi(MonthName(m)));
  months_->hide();
  months_ok_ = new QPushButton(qt::Text(str::kSheetOk), this);
  months_ok_->hide();
  grid->addWidget(remark_button_, 8, 0);
  grid->addWidget(month_button_, 8, 1, 1, 2);
  grid->addWidget(remark_, 9, 0, 1, 3);
  grid->addWidget(months_, 9, 0, 1, 2);
  grid->addWidget(months_ok_, 9, 2);
  notice_ = new QLabel(this);
  notice_->setWordWrap(true);
  grid->addWidget(notice_, 10, 0, 1, 3);
  ok_ = new QPushButton(qt::Text(str::kSheetOk), this);
  auto* cancel = new QPushButton(qt::Text(str::kSheetCancel), this);
  ok_->setAutoDefault(false);
  cancel->setAutoDefault(false);
  grid->addWidget(ok_, 11, 1);
  grid->addWidget(cancel, 11, 2);

  for (QWidget* w : {static_cast<QWidget*>(participated_), static_cast<QWidget*>(hours_),
                     static_cast<QWidget*>(studies_), static_cast<QWidget*>(ok_)})
    w->installEventFilter(this);

  connect(participated_, &QCheckBox::clicked, this, [this](bool on) {
    sheet_.SetParticipated(on);
    ShowFields();
  });
  connect(auxiliary_, &QCheckBox::clicked, this, [this](bool on) {
    sheet_.SetAuxiliary(on);
    ShowFields();
  });
  connect(hours_, &QLineEdit::textEdited, this,
          [this](const QString& t) { sheet_.SetHoursText(qt::ToAnsi(t)); });
  connect(hours_, &QLineEdit::editingFinished, this, [this] {
    sheet_.HoursLeft();
    ShowState();
  });
  connect(studies_, &QLineEdit::textEdited, this,
          [this](const QString& t) { sheet_.SetStudiesText(qt::ToAnsi(t)); });
  connect(remark_button_, &QPushButton::clicked, this, [this] {
    month_button_->hide();
    remark_->setText(Ansi(sheet_.remark()));
    remark_->show();
    remark_->setFocus();
  });
  connect(remark_, &QLineEdit::editingFinished, this, &ReportSheetDialog::LeaveRemark);
  connect(month_button_, &QPushButton::clicked, this, [this] {
    sheet_.ShowMonthList();
    months_->setCurrentRow(sheet_.entry_month());
    months_->show();
    months_ok_->show();
    months_->setFocus();
  });
  connect(months_, &QListWidget::currentRowChanged, this, [this](int m) {
    if (m < 0 || !sheet_.month_list_shown()) return;
    sheet_.ChooseMonth(m);
    ShowFields();
  });
  connect(months_, &QListWidget::itemDoubleClicked, this, &ReportSheetDialog::LeaveMonths);
  connect(months_ok_, &QPushButton::clicked, this, &ReportSheetDialog::LeaveMonths);
  connect(ok_, &QPushButton::clicked, this, &ReportSheetDialog::Save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ShowFields();
  (participated_->isChecked() && hours_->isVisible() ? static_cast<QWidget*>(hours_)
                                                     : static_cast<QWidget*>(participated_))
      ->setFocus();
}

void ReportSheetDialog::ShowFields() {
  month_->setText(Ansi(sheet_.month_name()));
  participated_->setChecked(sheet_.participated());
  hours_->setText(Ansi(sheet_.hours_text()));
  studies_->setText(Ansi(sheet_.studies_text()));
  const bool category = sheet_.category_visible();
  category_->setText(Ansi(sheet_.category_text()));
  category_->setVisible(category);
  auxiliary_->setVisible(!category);
  auxiliary_->setChecked(sheet_.auxiliary());
  ShowState();
}

void ReportSheetDialog::ShowState() {
  hours_label_->setVisible(sheet_.hours_visible());
  hours_->setVisible(sheet_.hours_visible());
  studies_label_->setVisible(sheet_.studies_visible());
  studies_->setVisible(sheet_.studies_visible());
  credit_->setText(Ansi(sheet_.credit_text()));
  notice_->setText(Ansi(sheet_.notice()));
}

void ReportSheetDialog::LeaveRemark() {
  if (!remark_->isVisible()) return;
  remark_->hide();
  month_button_->show();
  // A full table was told by the document; the sheet goes on.
  (void)sheet_.RemarkLeft(qt::ToAnsi(remark_->text()));
  ShowState();
}

void ReportSheetDialog::LeaveMonths() {
  months_->hide();
  months_ok_->hide();
  sheet_.HideMonthList();
  ShowState();
  participated_->setFocus();
}

void ReportSheetDialog::Save() {
  if (remark_->isVisible()) LeaveRemark();
  sheet_.SetHoursText(qt::ToAnsi(hours_->text()));
  sheet_.SetStudiesText(qt::ToAnsi(studies_->text()));
  const Result<bool> saved = sheet_.Save();
  if (!saved) {
    prompter_.Inform(saved.error().text);
    studies_->setFocus();
    studies_->selectAll();
    return;
  }
  saved_ = *saved;
  accept();
}

QWidget* ReportSheetDialog::Neighbour(QWidget* from, bool forward) const {
  QWidget* order[] = {participated_, hours_, studies_, ok_};
  int at = 0;
  for (int i = 0; i < 4; ++i)
    if (order[i] == from) at = i;
  // Right on the studies field goes back to the participation box, and Left
  // on the box to the studies field.
  if (forward && from == studies_) return participated_;
  if (!forward && from == participated_) {
    if (studies_->isVisible()) return studies_;
    return ok_;
  }
  for (int step = 1; step < 4; ++step) {
    QWidget* w = order[(at + (forward ? step : 4 - step)) % 4];
    if (w->isVisible()) return w;
  }
  return from;
}

bool ReportSheetDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    // A number field is entered whole, so typing replaces its "0".
    if (auto* edit = qobject_cast<QLineEdit*>(watched))
      QTimer::singleShot(0, edit, &QLineEdit::selectAll);
  }
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  auto* widget = static_cast<QWidget*>(watched);
  auto* edit = qobject_cast<QLineEdit*>(widget);
  switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Delete:
      if (!edit) break;
      edit->setText(QStringLiteral("0"));
      edit->selectAll();
      emit edit->textEdited(edit->text());
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
      Neighbour(widget, key->key() == Qt::Key_Right)->setFocus();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (widget == studies_ || widget == ok_) {
        Save();
      } else {
        QWidget* next = widget == participated_ && !hours_->isVisible() && !studies_->isVisible()
                            ? ok_
                            : Neighbour(widget, true);
        next->setFocus();
      }
      return true;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ledra::activity::ui
