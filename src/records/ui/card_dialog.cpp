#include "records/ui/card_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "activity/ui/history_editor_dialog.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_direct_print.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/publisher_chooser.h"
#include "records/publisher_editor.h"
#include "records/ui/pick_dialogs.h"
#include "records/ui/publisher_editor_dialog.h"
#include "reports/record_card_print.h"

namespace ledra::records::ui {
namespace {

reports::CardStyle ScreenStyle(const std::string& language) {
  reports::CardStyle style;
  style.screen = true;
  style.language_code = language;
  return style;
}

}  // namespace

void CardPreview::SetCard(std::optional<RecordCard> card, std::string language) {
  card_ = std::move(card);
  language_ = std::move(language);
  updateGeometry();
  adjustSize();
  update();
}

QSize CardPreview::sizeHint() const {
  const int dpi_x = logicalDpiX(), dpi_y = logicalDpiY();
  if (!card_) return {dpi_x * 8, dpi_y * 6};
  const Rect r = reports::RecordCardExtent(dpi_x, dpi_y, *card_, ScreenStyle(language_));
  return {r.right, r.bottom};
}

void CardPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!card_) return;
  qt::QtCanvas canvas(painter, logicalDpiX(), logicalDpiY());
  reports::DrawRecordCard(canvas, *card_, ScreenStyle(language_));
}

void CardPreview::mouseDoubleClickEvent(QMouseEvent*) {
  emit HistoryRequested();
}

RecordCardDialog::RecordCardDialog(store::Document& doc, store::Settings& settings,
                                   Prompter& prompter, QWidget* parent)
    : QDialog(parent), doc_(doc), settings_(settings), prompter_(prompter), model_(doc, settings) {
  setWindowTitle(qt::Text(str::kCardDialogCaption));
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  list_ = new QListWidget(this);
  list_->setMinimumWidth(220);
  left->addWidget(list_, 1);
  inactive_ = new QCheckBox(qt::Text(str::kCardInactive), this);
  previous_ = new QCheckBox(qt::Text(str::kCardPreviousYear), this);
  left->addWidget(inactive_);
  left->addWidget(previous_);
  auto button = [&](int text) {
    auto* b = new QPushButton(qt::Text(text), this);
    left->addWidget(b);
    return b;
  };
  QPushButton* totals = button(str::kCardTotals);
  QPushButton* print_this = button(str::kCardPrintThis);
  QPushButton* print_chosen = button(str::kCardPrintChosen);
  QPushButton* active_pdf = button(str::kCardActivePdf);
  QPushButton* inactive_pdf = button(str::kCardInactivePdf);
  // No PDF printer is needed: the files are written by the program itself.
  for (QPushButton* b : {active_pdf, inactive_pdf}) b->setToolTip(qt::Text(str::kCardPdfDirect));
  QPushButton* other = button(str::kCardOtherFormat);
  edit_ = button(str::kCardEdit);
  QPushButton* options = button(str::kCardOptions);
  QPushButton* done = button(str::kCardDone);
  // Enter closes the dialog rather than starting the first command.
  for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
  done->setDefault(true);
  auto* hint = new QLabel(qt::Text(str::kCardHistoryHint), this);
  hint->setWordWrap(true);
  left->addWidget(hint);
  layout->addLayout(left);

  preview_ = new CardPreview(this);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(preview_);
  scroll->setBackgroundRole(QPalette::Base);
  layout->addWidget(scroll, 1);
  resize(1040, 720);

  connect(list_, &QListWidget::currentRowChanged, this, [this](int index) {
    if (filling_) return;
    model_.Select(index);
    ShowCard();
  });
  connect(inactive_, &QCheckBox::toggled, this, [this](bool on) {
    model_.SetInactive(on);
    Fill();
  });
  connect(previous_, &QCheckBox::toggled, this, [this](bool on) {
    model_.SetPreviousYear(on);
    ShowCard();
  });
  connect(totals, &QPushButton::clicked, this, [this] { OpenHistory(true); });
  connect(print_this, &QPushButton::clicked, this, &RecordCardDialog::PrintThis);
  connect(print_chosen, &QPushButton::clicked, this, &RecordCardDialog::PrintChosen);
  connect(active_pdf, &QPushButton::clicked, this, [this] { AskAndWriteFile(false); });
  connect(inactive_pdf, &QPushButton::clicked, this, [this] { AskAndWriteFile(true); });
  inactive_pdf->setEnabled(model_.inactive_offered());
  connect(other, &QPushButton::clicked, this, &RecordCardDialog::SaveThisAsPdf);
  connect(edit_, &QPushButton::clicked, this, &RecordCardDialog::Edit);
  connect(options, &QPushButton::clicked, this, &RecordCardDialog::EditOptions);
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  connect(preview_, &CardPreview::HistoryRequested, this, [this] { OpenHistory(false); });
  inactive_->setEnabled(model_.inactive_offered());
  Fill();
}

void RecordCardDialog::Fill() {
  filling_ = true;
  list_->clear();
  for (const CardListEntry& e : model_.entries()) list_->addItem(qt::FromAnsi(e.name));
  list_->setCurrentRow(model_.selected());
  filling_ = false;
  ShowCard();
}

void RecordCardDialog::ShowCard() {
  preview_->SetCard(model_.PreviewCard(), doc_.db().language_code);
  edit_->setEnabled(model_.edit_enabled(doc_.read_only()));
}

bool RecordCardDialog::Print(PrinterPort& port, const std::string& name,
                             const std::vector<int>& rows, bool progress) {
  const int total = static_cast<int>(rows.size());
  std::optional<QProgressDialog> bar;
  if (progress) {
    bar.emplace(qt::Text(str::kCardPdfProgress), qt::Text(26005), 0, total, this);
    bar->setWindowModality(Qt::WindowModal);
    bar->setMinimumDuration(300);
  }
  const reports::CardPrintOutcome outcome = reports::PrintRecordCards(
      port, prompter_, name, total,
      [&](int i) { return model_.PrintedCard(rows[static_cast<std::size_t>(i)]); },
      doc_.db().language_code,
      [&](int done, int) {
        if (!bar) return true;
        bar->setValue(done);
        return !bar->wasCanceled();
      });
  return outcome == reports::CardPrintOutcome::kPrinted;
}

void RecordCardDialog::PrintThis() {
  const auto row = model_.selected_row();
  if (!row) return;
  qt::QtPrinterPort port;
  (void)Print(port, model_.DocumentName(*row), {*row}, false);
}

void RecordCardDialog::PrintChosen() {
  std::vector<int> rows;
  for (const CardListEntry& e : model_.entries()) rows.push_back(e.row);
  const auto chosen = PickPublishers(doc_.db(), rows, qt::Text(str::kCardChooser), this);
  if (!chosen || chosen->empty()) return;
  qt::QtPrinterPort port;
  (void)Print(port, Strings().Get(str::kCardChooser), *chosen, chosen->size() > 1);
}

bool RecordCardDialog::WriteFile(bool inactive, const QString& file) {
  const std::vector<int> rows = model_.FileRows(inactive);
  if (rows.empty()) {
    prompter_.Inform(Strings().Get(str::kCardNoPublisher));
    return false;
  }
  const bool existed = QFile::exists(file);
  qt::QtPrinterPort port(file);
  if (!Print(port, RecordCardDialogModel::FileDocumentName(inactive), rows, true)) {
    // Half a file is no use to anyone.
    if (!existed) QFile::remove(file);
    prompter_.Inform(Strings().Get(str::kCardPdfCancelled));
    return false;
  }
  prompter_.Inform(
      Strings().Format(str::kCardPdfWritten, {qt::ToAnsi(QDir::toNativeSeparators(file))}));
  return true;
}

void RecordCardDialog::AskAndWriteFile(bool inactive) {
  const QString name = qt::FromAnsi(RecordCardDialogModel::FileDocumentName(inactive)) + ".pdf";
  const QString file = QFileDialog::getSaveFileName(
      this, qt::Text(inactive ? str::kCardInactivePdf : str::kCardActivePdf).remove('&'),
      QDir::home().filePath(name), qt::Text(str::kCardPdfFilter));
  if (!file.isEmpty()) (void)WriteFile(inactive, file);
}

void RecordCardDialog::SaveThisAsPdf() {
  const auto row = model_.selected_row();
  if (!row) return;
  const QString name = qt::FromAnsi(model_.DocumentName(*row)) + ".pdf";
  const QString file =
      QFileDialog::getSaveFileName(this, qt::Text(str::kCardOtherFormat),
                                   QDir::home().filePath(name), qt::Text(str::kCardPdfFilter));
  if (file.isEmpty()) return;
  qt::QtPrinterPort port(file);
  if (Print(port, model_.DocumentName(*row), {*row}, false))
    prompter_.Inform(
        Strings().Format(str::kCardPdfWritten, {qt::ToAnsi(QDir::toNativeSeparators(file))}));
}

void RecordCardDialog::Edit() {
  const auto row = model_.selected_row();
  if (!row || !model_.edit_enabled(doc_.read_only())) return;
  PublisherEditor editor(doc_, settings_, prompter_, EditorMode::kEdit, *row);
  PublisherChooser chooser(doc_.db(), ChooserMode::kEdit);
  PublisherEditorDialog dialog(editor, &chooser, prompter_, this);
  dialog.exec();
  doc_.db().RebuildIndexes(prompter_);
  if (dialog.changed()) doc_.db().UpdatePresenceFlags();
  const int keep = model_.selected();
  model_.SetInactive(model_.inactive());
  Fill();
  if (keep >= 0 && keep < list_->count()) list_->setCurrentRow(keep);
}

void RecordCardDialog::EditOptions() {
  if (RunCardOptions(settings_, this)) {
    doc_.db().modified = true;
    ShowCard();
  }
}

void RecordCardDialog::OpenHistory(bool totals) {
  const auto row = model_.selected_row();
  if (!model_.edit_enabled(doc_.read_only())) return;
  activity::ui::HistoryEditorDialog dialog(doc_, *row, prompter_, this, model_.inactive());
  if (totals) (void)dialog.editor().SetTotals(true);
  dialog.exec();
  ShowCard();
}

bool RunCardOptions(store::Settings& settings, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(qt::Text(str::kCardOptionsCaption));
  auto* layout = new QVBoxLayout(&dialog);
  CardOptions o = CardOptionsOf(settings);
  auto box = [&](int text, bool on) {
    auto* b = new QCheckBox(qt::Text(text), &dialog);
    b->setChecked(on);
    layout->addWidget(b);
    return b;
  };
  QCheckBox* groups = box(str::kCardOptionGroups, o.group_numbers);
  QCheckBox* one = box(str::kCardOptionOnePerPage, o.one_per_page);
  QCheckBox* birth = box(str::kCardOptionHideBirth, o.hide_birth);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(qt::Text(str::kCardOptionThisYear), &dialog), 0, 1);
  grid->addWidget(new QLabel(qt::Text(str::kCardOptionPreviousYear), &dialog), 0, 2);
  QCheckBox* hide[4] = {};
  const bool values[4] = {o.hide_averages_this_year, o.hide_averages_previous_year,
                          o.hide_totals_this_year, o.hide_totals_previous_year};
  for (int r = 0; r < 2; ++r) {
    grid->addWidget(
        new QLabel(qt::Text(r == 0 ? str::kCardOptionHideAverages : str::kCardOptionHideTotals),
                   &dialog),
        r + 1, 0);
    for (int c = 0; c < 2; ++c) {
      QCheckBox*& b = hide[r * 2 + c];
      b = new QCheckBox(&dialog);
      b->setChecked(values[r * 2 + c]);
      grid->addWidget(b, r + 1, c + 1, Qt::AlignCenter);
    }
  }
  layout->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  o.group_numbers = groups->isChecked();
  o.one_per_page = one->isChecked();
  o.hide_birth = birth->isChecked();
  o.hide_averages_this_year = hide[0]->isChecked();
  o.hide_averages_previous_year = hide[1]->isChecked();
  o.hide_totals_this_year = hide[2]->isChecked();
  o.hide_totals_previous_year = hide[3]->isChecked();
  return ApplyCardOptions(o, settings);
}

}  // namespace ledra::records::ui
