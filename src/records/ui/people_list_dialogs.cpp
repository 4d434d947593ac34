#include "records/ui/people_list_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "activity/month_calendar.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/list_transfers.h"
#include "records/publisher_chooser.h"
#include "records/publisher_deletion.h"
#include "records/publisher_editor.h"
#include "records/transfers.h"
#include "records/ui/person_side_dialogs.h"
#include "records/ui/publisher_editor_dialog.h"

namespace ledra::records::ui {
namespace {

void FillList(QListWidget* list, const std::vector<ListEntry>& entries) {
  list->clear();
  for (const ListEntry& e : entries) {
    // The tab between the name and its month becomes room to read.
    QString text = qt::FromAnsi(e.text);
    text.replace('\t', QStringLiteral("    "));
    list->addItem(text);
  }
}

std::vector<ListEntry> Entries(const store::CongregationDatabase& db,
                               const std::vector<int>& rows) {
  std::vector<ListEntry> entries;
  for (int row : rows) entries.push_back({row, db.DisplayName(row, !db.sort_by_first_name)});
  return entries;
}

int Chosen(QListWidget* list, const std::vector<ListEntry>& entries) {
  const int i = list->currentRow();
  return i >= 0 && i < static_cast<int>(entries.size()) ? entries[static_cast<std::size_t>(i)].row
                                                        : 0;
}

bool Tell(Prompter& prompter, const Status& s) {
  if (!s) prompter.Inform(s.error().text);
  return s.ok();
}

}  // namespace

// --- pioneers --------------------------------------------------------------------

PioneerListDialog::PioneerListDialog(store::Document& doc, PioneerMode mode, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), doc_(doc), prompter_(prompter), list_(doc.db(), mode) {
  auto* grid = new QGridLayout(this);
  years_ = new QComboBox(this);
  months_ = new QComboBox(this);
  grid->addWidget(years_, 0, 0);
  grid->addWidget(months_, 0, 2);
  listed_ = new QListWidget(this);
  others_ = new QListWidget(this);
  grid->addWidget(listed_, 1, 0, 4, 1);
  grid->addWidget(others_, 1, 2, 4, 1);
  auto* add = new QPushButton(qt::Text(str::kPioneerListAdd), this);
  auto* remove = new QPushButton(qt::Text(str::kPioneerListRemove), this);
  grid->addWidget(add, 1, 1);
  grid->addWidget(remove, 2, 1);
  special_ = new QCheckBox(qt::Text(str::kPioneerListSpecial), this);
  special_->setVisible(list_.special_visible());
  grid->addWidget(special_, 3, 1);
  auto* done = new QPushButton(qt::Text(str::kListDone), this);
  grid->addWidget(done, 4, 1);
  resize(720, 480);

  connect(years_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) FillMonths();
  });
  connect(months_, &QComboBox::currentIndexChanged, this, [this] {
    if (filling_ || months_->currentIndex() < 0) return;
    (void)list_.Choose(years_->currentData().toInt(), months_->currentData().toInt());
    Show();
  });
  connect(special_, &QCheckBox::toggled, this, [this](bool on) {
    list_.SetSpecial(on);
    Show();
  });
  connect(add, &QPushButton::clicked, this, [this] { Move(true); });
  connect(remove, &QPushButton::clicked, this, [this] { Move(false); });
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  FillYears();
}

void PioneerListDialog::FillYears() {
  filling_ = true;
  years_->clear();
  for (int y : list_.years()) {
    if (list_.months(y).empty()) continue;
    years_->addItem(QString::number(y % 100).rightJustified(2, '0'), y);
    if (y == list_.year()) years_->setCurrentIndex(years_->count() - 1);
  }
  filling_ = false;
  FillMonths();
}

void PioneerListDialog::FillMonths() {
  filling_ = true;
  months_->clear();
  const int year = years_->currentData().toInt();
  const std::vector<int> months = list_.months(year);
  for (int m : months) {
    months_->addItem(qt::FromAnsi(activity::MonthName(m)), m);
    if (m == list_.month_index()) months_->setCurrentIndex(months_->count() - 1);
  }
  if (months_->currentIndex() < 0 && months_->count() > 0) months_->setCurrentIndex(0);
  filling_ = false;
  if (months_->count() > 0) (void)list_.Choose(year, months_->currentData().toInt());
  Show();
}

void PioneerListDialog::Show() {
  const auto& db = doc_.db();
  listed_rows_ = list_.listed();
  other_rows_ = list_.others();
  FillList(listed_, Entries(db, listed_rows_));
  FillList(others_, Entries(db, other_rows_));
  setWindowTitle(qt::FromAnsi(list_.caption()));
}

void PioneerListDialog::Move(bool add) {
  QListWidget* from = add ? others_ : listed_;
  const std::vector<int>& rows = add ? other_rows_ : listed_rows_;
  const int i = from->currentRow();
  if (i < 0 || i >= static_cast<int>(rows.size())) return;
  const int row = rows[static_cast<std::size_t>(i)];
  const Status s = add ? list_.Add(row, prompter_) : list_.Remove(row, prompter_);
  if (Tell(prompter_, s)) changed_ = true;
  Show();
}

// --- inactive and deleted ----------------------------------------------------------

InactiveListDialog::InactiveListDialog(store::Document& doc, const store::Settings& settings,
                                       InactiveMode mode, Prompter& prompter, QWidget* parent)
    : QDialog(parent), doc_(doc), settings_(settings), prompter_(prompter), model_(doc.db(), mode) {
  setWindowTitle(qt::FromAnsi(model_.caption()));
  auto* grid = new QGridLayout(this);
  auto* frame = new QGroupBox(this);
  if (mode == InactiveMode::kDeleted) frame->setTitle(qt::FromAnsi(model_.frame_caption()));
  auto* frame_layout = new QVBoxLayout(frame);
  left_ = new QListWidget(frame);
  frame_layout->addWidget(left_);
  grid->addWidget(frame, 0, 0, 5, 1);
  auto* right_frame = new QGroupBox(qt::Text(str::kStatusInactiveCandidates), this);
  auto* right_layout = new QVBoxLayout(right_frame);
  right_ = new QListWidget(right_frame);
  right_layout->addWidget(right_);
  right_frame->setVisible(model_.right_visible());
  grid->addWidget(right_frame, 0, 2, 5, 1);
  main_ = new QPushButton(this);
  filter_ = new QPushButton(this);
  filter_->setVisible(mode == InactiveMode::kInactive);
  delete_ = new QPushButton(qt::Text(str::kListApagar), this);
  edit_ = new QPushButton(qt::Text(str::kListEditar), this);
  auto* done = new QPushButton(qt::Text(str::kListDone), this);
  int r = 0;
  for (QPushButton* b : {main_, filter_, delete_, edit_, done}) grid->addWidget(b, r++, 1);
  resize(760, 480);

  connect(left_, &QListWidget::currentRowChanged, this, [this](int i) {
    if (i < 0) return;
    side_ = ListSide::kLeft;
    right_->clearSelection();
    UpdateButtons();
  });
  connect(right_, &QListWidget::currentRowChanged, this, [this](int i) {
    if (i < 0) return;
    side_ = ListSide::kRight;
    left_->clearSelection();
    UpdateButtons();
  });
  connect(main_, &QPushButton::clicked, this, &InactiveListDialog::Main);
  connect(filter_, &QPushButton::clicked, this, [this] {
    model_.NextFilter();
    Fill();
  });
  connect(delete_, &QPushButton::clicked, this, &InactiveListDialog::Delete);
  connect(edit_, &QPushButton::clicked, this, &InactiveListDialog::Edit);
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
}

void InactiveListDialog::Fill() {
  left_entries_ = model_.left();
  right_entries_ = model_.right();
  FillList(left_, left_entries_);
  FillList(right_, right_entries_);
  filter_->setText(qt::FromAnsi(model_.filter_text()));
  UpdateButtons();
}

void InactiveListDialog::UpdateButtons() {
  main_->setText(qt::FromAnsi(model_.main_text(side_)));
  const bool left = side_ == ListSide::kLeft;
  delete_->setEnabled(left);
  edit_->setEnabled(left);
  main_->setEnabled(left || model_.can_make_inactive());
}

void InactiveListDialog::Main() {
  auto& db = doc_.db();
  if (side_ == ListSide::kRight) {
    const int row = Chosen(right_, right_entries_);
    if (row == 0 || !model_.can_make_inactive()) return;
    const int month = ChooseMonth(TransferPrompt(db, row, str::kVerbBecameInactive), this);
    if (month == 0) return;
    if (Tell(prompter_, MakeInactive(db, row, month, TransferYear(db, month), prompter_)))
      changed_ = true;
  } else {
    const int row = Chosen(left_, left_entries_);
    if (row == 0) return;
    if (model_.mode() == InactiveMode::kDeleted) {
      if (Tell(prompter_, RestoreDeleted(db, row, prompter_))) changed_ = true;
    } else {
      const int month = ChooseMonth(TransferPrompt(db, row, str::kRecWasReactivated), this);
      if (month == 0) return;
      ReactivateInactive(db, row, month, prompter_);
      changed_ = true;
    }
  }
  Fill();
}

void InactiveListDialog::Delete() {
  const int row = Chosen(left_, left_entries_);
  if (row == 0) return;
  if (prompter_.AskOkCancel(DeleteQuestion(doc_.db(), row)) != Answer::kOk) return;
  if (Tell(prompter_, DeletePublisher(doc_, row, {}, prompter_))) changed_ = true;
  Fill();
}

void InactiveListDialog::Edit() {
  const int row = Chosen(left_, left_entries_);
  if (row == 0 || doc_.read_only()) return;
  PublisherEditor editor(doc_, settings_, prompter_, EditorMode::kEdit, row);
  PublisherChooser chooser(doc_.db(), ChooserMode::kEdit);
  PublisherEditorDialog dialog(editor, &chooser, prompter_, this);
  dialog.exec();
  doc_.db().RebuildIndexes(prompter_);
  changed_ |= dialog.changed();
  Fill();
}

// --- moved ------------------------------------------------------------------------

MovedListDialog::MovedListDialog(store::Document& doc, Prompter& prompter, QWidget* parent)
    : QDialog(parent), doc_(doc), prompter_(prompter), model_(doc.db()) {
  setWindowTitle(qt::Text(str::kMovedCaption));
  auto* grid = new QGridLayout(this);
  left_ = new QListWidget(this);
  right_ = new QListWidget(this);
  grid->addWidget(left_, 0, 0, 4, 1);
  grid->addWidget(right_, 0, 2, 4, 1);
  move_ = new QPushButton(qt::Text(str::kMovedMove), this);
  auto* undo = new QPushButton(qt::Text(str::kMovedUndo), this);
  auto* remove = new QPushButton(qt::Text(str::kListApagar), this);
  auto* done = new QPushButton(qt::Text(str::kListDone), this);
  int r = 0;
  for (QPushButton* b : {move_, undo, remove, done}) grid->addWidget(b, r++, 1);
  resize(720, 480);
  connect(move_, &QPushButton::clicked, this, &MovedListDialog::Move);
  connect(undo, &QPushButton::clicked, this, &MovedListDialog::Undo);
  connect(remove, &QPushButton::clicked, this, &MovedListDialog::Delete);
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
}

void MovedListDialog::Fill() {
  left_entries_ = model_.left();
  right_entries_ = model_.right();
  FillList(left_, left_entries_);
  FillList(right_, right_entries_);
  move_->setEnabled(model_.can_move());
}

void MovedListDialog::Move() {
  auto& db = doc_.db();
  const int row = Chosen(right_, right_entries_);
  if (row == 0 || !model_.can_move()) return;
  const int month = ChooseMonth(TransferPrompt(db, row, str::kVerbMovedAway), this);
  if (month == 0) return;
  if (Tell(prompter_, MoveAway(db, row, month, prompter_))) changed_ = true;
  Fill();
}

void MovedListDialog::Undo() {
  auto& db = doc_.db();
  const int row = Chosen(left_, left_entries_);
  if (row == 0) return;
  if (prompter_.AskOkCancel(model_.undo_question(row)) != Answer::kOk) return;
  int month = 0;
  bool transfer = false;
  // One who moved from the inactive list goes back there with its old month.
  if (!MovedFromInactive(db.row(row))) {
    month = ChooseMonth(TransferPrompt(db, row, str::kVerbCameBack), this, &transfer);
    if (month == 0) return;
  }
  if (Tell(prompter_, UndoMove(db, row, month, transfer, prompter_))) changed_ = true;
  Fill();
}

void MovedListDialog::Delete() {
  const int row = Chosen(left_, left_entries_);
  if (row == 0) return;
  if (prompter_.AskOkCancel(DeleteQuestion(doc_.db(), row)) != Answer::kOk) return;
  if (Tell(prompter_, DeletePublisher(doc_, row, {}, prompter_))) changed_ = true;
  Fill();
}

}  // namespace ledra::records::ui
