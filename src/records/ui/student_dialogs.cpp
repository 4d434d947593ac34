#include "records/ui/student_dialogs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "records/transfers.h"
#include "records/ui/date_lists.h"
#include "records/ui/person_side_dialogs.h"
#include "records/ui/publisher_chooser_dialog.h"

namespace ledra::records::ui {

StudentEditorDialog::StudentEditorDialog(PublisherEditor& editor, store::Document& doc,
                                         const store::Settings& settings, Prompter& prompter,
                                         QWidget* parent)
    : PublisherEditorDialog(editor, nullptr, prompter, parent),
      editor_(editor),
      doc_(doc),
      settings_(settings),
      prompter_(prompter) {
  setWindowTitle(qt::Text(str::kStudentEditorTitle));
  // The reduced form: no privileges, pioneer boxes, anointed mark, baptism
  // or consent dates, status, copying or walking.
  for (Box b : {Box::kElder, Box::kMinisterialServant, Box::kBaptisedBrother, Box::kRegularPioneer,
                Box::kSpecialPioneer, Box::kRegularAuxiliary})
    boxes[b]->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{
           anointed, baptism, consent, consent_date, status, privileges, copy, forget, previous,
           next, special_servant, field_missionary, special_category, remove})
    w->hide();
  // The baptism row goes, caption and all; the conductor takes its place.
  int row = 0;
  QFormLayout::ItemRole role{};
  form()->getWidgetPosition(baptism, &row, &role);
  form()->setRowVisible(baptism, false);
  conductor = new QLabel(this);
  pick_conductor = new QPushButton(qt::Text(str::kStudentPickConductor), this);
  drop_conductor = new QPushButton(qt::Text(str::kStudentDropConductor), this);
  auto* line = new QHBoxLayout;
  line->addWidget(conductor, 1);
  line->addWidget(pick_conductor);
  line->addWidget(drop_conductor);
  form()->insertRow(row + 1, line);
  connect(pick_conductor, &QPushButton::clicked, this, [this] {
    PublisherChooserDialog d(doc_, settings_, prompter_, ChooserMode::kPickOne, this);
    if (editor_.conductor() != 0) d.chooser().SelectId(editor_.conductor());
    if (d.exec() == QDialog::Accepted && d.chooser().selected_id() != 0)
      editor_.SetConductor(d.chooser().selected_id());
    ShowConductor();
  });
  connect(drop_conductor, &QPushButton::clicked, this, [this] {
    editor_.SetConductor(0);
    ShowConductor();
  });
  ShowConductor();
}

void StudentEditorDialog::ShowConductor() {
  const std::string text = editor_.conductor_text();
  conductor->setText(qt::FromAnsi(text));
  drop_conductor->setVisible(!text.empty());
}

StudentListDialog::StudentListDialog(store::Document& doc, const store::Settings& settings,
                                     Prompter& prompter, QWidget* parent)
    : QDialog(parent), doc_(doc), settings_(settings), prompter_(prompter) {
  setWindowTitle(qt::Text(str::kStatusStudents));
  auto* layout = new QVBoxLayout(this);
  list = new QListWidget(this);
  list->setMinimumWidth(360);
  layout->addWidget(list);
  auto* buttons = new QHBoxLayout;
  add = new QPushButton(qt::Text(str::kStudentAdd), this);
  edit = new QPushButton(qt::Text(str::kRecEditButton), this);
  remove = new QPushButton(qt::Text(str::kRecDeleteButton), this);
  make_publisher = new QPushButton(qt::Text(str::kStudentMakePublisher), this);
  close = new QPushButton(qt::Text(str::kRecCloseButton), this);
  for (QPushButton* b : {add, edit, remove, make_publisher, close}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(add, &QPushButton::clicked, this, &StudentListDialog::Add);
  connect(edit, &QPushButton::clicked, this, &StudentListDialog::EditSelected);
  connect(list, &QListWidget::itemActivated, this, &StudentListDialog::EditSelected);
  connect(remove, &QPushButton::clicked, this, &StudentListDialog::DeleteSelected);
  connect(make_publisher, &QPushButton::clicked, this, &StudentListDialog::MakePublisher);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
}

void StudentListDialog::Fill(std::uint16_t select) {
  const int current = list->currentRow();
  rows_ = StudentRows(doc_.db());
  list->clear();
  int chosen = std::min(current, static_cast<int>(rows_.size()) - 1);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    list->addItem(qt::FromAnsi(rows_[i].text));
    if (select != 0 && rows_[i].id == select) chosen = static_cast<int>(i);
  }
  list->setCurrentRow(std::max(chosen, rows_.empty() ? -1 : 0));
  const bool writable = !doc_.read_only();
  add->setEnabled(writable);
  for (QPushButton* b : {edit, remove, make_publisher}) b->setEnabled(writable && !rows_.empty());
}

int StudentListDialog::SelectedRow() const {
  const int r = list->currentRow();
  return r >= 0 && r < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(r)].row : 0;
}

void StudentListDialog::Open(int row, bool adding) {
  PublisherEditor editor(doc_, settings_, prompter_, adding ? EditorMode::kAdd : EditorMode::kEdit,
                         row, EditorKind::kStudent);
  StudentEditorDialog dialog(editor, doc_, settings_, prompter_, this);
  if (dialog.exec() != QDialog::Accepted && adding && !dialog.changed()) editor.Cancel();
  changed_ |= dialog.changed();
  doc_.db().RebuildIndexes(prompter_);
  Fill(editor.row() > 0 ? editor.id() : 0);
}

void StudentListDialog::Add() {
  if (!doc_.read_only()) Open(0, true);
}

void StudentListDialog::EditSelected() {
  if (const int row = SelectedRow(); row > 0 && !doc_.read_only()) Open(row, false);
}

void StudentListDialog::DeleteSelected() {
  const int row = SelectedRow();
  if (row == 0 || doc_.read_only()) return;
  if (prompter_.AskOkCancel(StudentDeleteQuestion(doc_.db(), row)) != Answer::kOk) return;
  if (Status s = DeleteStudent(doc_, row, prompter_); !s) prompter_.Inform(s.error().text);
  changed_ = true;
  Fill();
}

void StudentListDialog::MakePublisher() {
  const int row = SelectedRow();
  if (row == 0 || doc_.read_only()) return;
  const int month = ChooseMonth(TransferPrompt(doc_.db(), row, str::kRecBecamePublisher), this);
  if (month == 0) return;
  TransferStudentToPublisher(doc_.db(), row, month, prompter_);
  changed_ = true;
  Fill();
}

bool RunStudentEditing(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                       QWidget* parent) {
  if (doc.read_only()) return false;
  StudentListDialog d(doc, settings, prompter, parent);
  d.exec();
  doc.db().RebuildIndexes(prompter);
  if (d.changed()) doc.db().UpdatePresenceFlags();
  return d.changed();
}

}  // namespace ledra::records::ui
