#include "records/ui/attendance_dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

#include "activity/month_calendar.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_direct_print.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::records::ui {
namespace {

// Five digits at most: anything larger than a week can hold is the core's to refuse.
constexpr int kWeekDigits = 5;

// The page on the screen, drawn by the routine that prints it.
class RecordPreview final : public QWidget {
 public:
  RecordPreview(reports::ReportEnv env, reports::AttendanceRecord record, QWidget* parent)
      : QWidget(parent), env_(std::move(env)), record_(record) {
    // A Letter page at the screen's resolution.
    setFixedSize(env_.screen_dpi_x * 17 / 2, env_.screen_dpi_y * 11);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    qt::QtCanvas canvas(painter, env_.screen_dpi_x, env_.screen_dpi_y);
    reports::DrawAttendanceRecord(canvas, env_, record_);
  }

 private:
  reports::ReportEnv env_;
  reports::AttendanceRecord record_;
};

QLineEdit* ReadOnlyField(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  return field;
}

}  // namespace

AttendanceEntryDialog::AttendanceEntryDialog(store::Document& doc, Prompter& prompter,
                                             QWidget* parent)
    : QDialog(parent), prompter_(prompter), entry_(doc) {
  auto* layout = new QHBoxLayout(this);
  auto* lists = new QVBoxLayout;
  months_ = new QListWidget(this);
  years_ = new QListWidget(this);
  lists->addWidget(new QLabel(qt::Text(str::kAttendanceMonthLabel), this));
  lists->addWidget(months_, 1);
  lists->addWidget(new QLabel(qt::Text(str::kAttendanceYearLabel), this));
  lists->addWidget(years_);
  layout->addLayout(lists);

  auto* meetings = new QVBoxLayout;
  layout->addLayout(meetings, 1);
  auto* digits = new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kWeekDigits)), this);
  const int frames[] = {str::kAttendanceMidweekFrame, str::kAttendanceWeekendFrame};
  for (int m = 0; m < kAttendanceMeetings; ++m) {
    auto* frame = new QGroupBox(qt::Text(frames[m]), this);
    auto* grid = new QGridLayout(frame);
    for (int w = 0; w < kAttendanceWeeks; ++w) {
      auto* edit = new QLineEdit(frame);
      edit->setValidator(digits);
      edit->installEventFilter(this);
      grid->addWidget(new QLabel(QString::number(w + 1), frame), 0, w, Qt::AlignHCenter);
      grid->addWidget(edit, 1, w);
      weeks_[static_cast<std::size_t>(m * kAttendanceWeeks + w)] = edit;
      connect(edit, &QLineEdit::textEdited, this, [this] {
        Take();
        ShowFigures();
      });
    }
    const auto i = static_cast<std::size_t>(m);
    totals_[i] = ReadOnlyField(frame);
    averages_[i] = ReadOnlyField(frame);
    grid->addWidget(new QLabel(qt::Text(str::kAttendanceTotal), frame), 0, kAttendanceWeeks,
                    Qt::AlignHCenter);
    grid->addWidget(totals_[i], 1, kAttendanceWeeks);
    grid->addWidget(new QLabel(qt::Text(str::kAttendanceAverageShort), frame), 0,
                    kAttendanceWeeks + 1, Qt::AlignHCenter);
    grid->addWidget(averages_[i], 1, kAttendanceWeeks + 1);
    meetings->addWidget(frame);
  }
  done_ = new QPushButton(qt::Text(str::kAttendanceDone), this);
  // Enter belongs to the fields: it moves on rather than closing.
  done_->setAutoDefault(false);
  meetings->addWidget(done_, 0, Qt::AlignRight);

  connect(done_, &QPushButton::clicked, this, &QDialog::accept);
  connect(months_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    Take();
    Report(entry_.ChooseMonth(months_->item(row)->data(Qt::UserRole).toInt()));
    Show();
  });
  connect(years_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    Take();
    Report(entry_.ChooseYear(years_->item(row)->data(Qt::UserRole).toInt()));
    Show();
  });
  Show();
  // The three years show whole.
  years_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  years_->setFixedHeight(years_->sizeHintForRow(0) * years_->count() + 2 * years_->frameWidth());
  weeks_[0]->setFocus();
}

bool AttendanceEntryDialog::Report(const Status& s) {
  if (!s) prompter_.Inform(s.error().text);
  return s.ok();
}

void AttendanceEntryDialog::Show() {
  filling_ = true;
  years_->clear();
  for (int y : entry_.years()) {
    auto* item = new QListWidgetItem(qt::FromAnsi(AttendanceEntry::YearText(y)), years_);
    item->setData(Qt::UserRole, y);
    if (y == entry_.year()) years_->setCurrentItem(item);
  }
  months_->clear();
  for (int m : entry_.months()) {
    auto* item = new QListWidgetItem(qt::FromAnsi(activity::MonthName(m)), months_);
    item->setData(Qt::UserRole, m);
    if (m == entry_.month_index()) months_->setCurrentItem(item);
  }
  for (int i = 0; i < kAttendanceFields; ++i)
    weeks_[static_cast<std::size_t>(i)]->setText(qt::FromAnsi(entry_.field(i)));
  setWindowTitle(qt::FromAnsi(entry_.caption()));
  ShowFigures();
  filling_ = false;
}

void AttendanceEntryDialog::ShowFigures() {
  for (int m = 0; m < kAttendanceMeetings; ++m) {
    totals_[static_cast<std::size_t>(m)]->setText(qt::FromAnsi(entry_.total_text(m)));
    averages_[static_cast<std::size_t>(m)]->setText(qt::FromAnsi(entry_.average_text(m)));
  }
}

void AttendanceEntryDialog::Take() {
  for (int i = 0; i < kAttendanceFields; ++i)
    entry_.field(i) = qt::ToAnsi(weeks_[static_cast<std::size_t>(i)]->text());
}

bool AttendanceEntryDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      for (int i = 0; i < kAttendanceFields; ++i) {
        if (weeks_[static_cast<std::size_t>(i)] != watched) continue;
        QLineEdit* next = weeks_[static_cast<std::size_t>(NextAttendanceField(i))];
        next->setFocus(Qt::TabFocusReason);
        next->selectAll();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void AttendanceEntryDialog::done(int result) {
  Take();
  const Result<bool> stored = entry_.Store();
  if (!stored) {
    prompter_.Inform(stored.error().text);
    return;
  }
  QDialog::done(result);
}

AttendanceRecordDialog::AttendanceRecordDialog(const store::CongregationDatabase& db,
                                               reports::ReportEnv env, Prompter& prompter,
                                               QWidget* parent)
    : QDialog(parent),
      env_(std::move(env)),
      prompter_(prompter),
      record_(reports::AttendanceRecordOf(db)) {
  setWindowTitle(qt::Text(str::kAttendanceRecordCaption));
  auto* layout = new QVBoxLayout(this);
  auto* scroll = new QScrollArea(this);
  preview_ = new RecordPreview(env_, record_, scroll);
  scroll->setWidget(preview_);
  layout->addWidget(scroll, 1);
  auto* buttons = new QHBoxLayout;
  print_ = new QPushButton(qt::Text(str::kAttendanceRecordPrint), this);
  auto* close = new QPushButton(qt::Text(str::kAttendanceDone), this);
  buttons->addStretch(1);
  buttons->addWidget(print_);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(print_, &QPushButton::clicked, this, &AttendanceRecordDialog::Print);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  resize(preview_->width() + 60, std::min(preview_->height(), 700));
}

void AttendanceRecordDialog::Print() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  const std::string name = qt::ToAnsi(info.printerName());
  qt::QtPrinterPort port;
  switch (reports::AttendancePrintStart(info.isNull() ? std::nullopt
                                                      : std::optional<std::string_view>(name))) {
    case reports::RecordPrintStart::kNoPrinter:
      prompter_.Inform(Strings().Get(str::kPrinterMissing));
      return;
    case reports::RecordPrintStart::kAskFirst: {
      QPrinter printer(info, QPrinter::HighResolution);
      QPrintDialog dialog(&printer, this);
      dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
      if (dialog.exec() != QDialog::Accepted) return;
      port.set_printer_name(printer.printerName());
      break;
    }
    case reports::RecordPrintStart::kAtOnce:
      break;
  }
  (void)reports::PrintAttendanceRecord(port, prompter_, env_, record_);
}

}  // namespace ledra::records::ui
