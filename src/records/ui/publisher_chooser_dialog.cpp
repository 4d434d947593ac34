#include "records/ui/publisher_chooser_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/publisher_editor.h"
#include "records/transfers.h"
#include "records/ui/person_side_dialogs.h"
#include "records/ui/publisher_editor_dialog.h"
#include "store/name_collation.h"

namespace ledra::records::ui {
namespace {

enum class AddPick { kNone, kNew, kFromStudents, kFromInactive };

AddPick AskAddChoice(const AddChoices& offered, QWidget* parent) {
  if (!offered.ask) return AddPick::kNew;
  QDialog d(parent);
  d.setWindowTitle(qt::Text(str::kRecAddPublisherTitle));
  auto* layout = new QVBoxLayout(&d);
  AddPick pick = AddPick::kNone;
  auto add = [&](int caption, AddPick value, bool shown) {
    auto* b = new QPushButton(qt::Text(caption), &d);
    b->setVisible(shown);
    layout->addWidget(b);
    QObject::connect(b, &QPushButton::clicked, &d, [&d, &pick, value] {
      pick = value;
      d.accept();
    });
  };
  add(str::kRecAddNotOnLists, AddPick::kNew, true);
  add(str::kRecAddFromBibleStudents, AddPick::kFromStudents, offered.from_bible_students);
  add(str::kRecAddFromInactive, AddPick::kFromInactive, offered.from_inactive);
  auto* cancel = new QPushButton(qt::Text(str::kRecCancelButton), &d);
  layout->addWidget(cancel);
  QObject::connect(cancel, &QPushButton::clicked, &d, &QDialog::reject);
  d.exec();
  return pick;
}

// A person of `type` picked from a plain list; 0 when none.
int PickFromList(const store::CongregationDatabase& db, store::ListType type, QWidget* parent) {
  QDialog d(parent);
  auto* layout = new QVBoxLayout(&d);
  auto* list = new QListWidget(&d);
  std::vector<int> rows;
  for (const auto& e : db.status_list(type)) {
    rows.push_back(e.row);
    list->addItem(qt::FromAnsi(ListName(db, e.row)));
  }
  list->setCurrentRow(0);
  layout->addWidget(list);
  auto* ok = new QPushButton(qt::Text(str::kRecOkButton), &d);
  layout->addWidget(ok);
  QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
  QObject::connect(list, &QListWidget::itemActivated, &d, &QDialog::accept);
  if (d.exec() != QDialog::Accepted || list->currentRow() < 0) return 0;
  return rows[static_cast<std::size_t>(list->currentRow())];
}

}  // namespace

PublisherChooserDialog::PublisherChooserDialog(store::Document& doc,
                                               const store::Settings& settings, Prompter& prompter,
                                               ChooserMode mode, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      settings_(settings),
      prompter_(prompter),
      chooser_(doc.db(), mode) {
  setWindowTitle(qt::FromAnsi(chooser_.title()));
  auto* layout = new QVBoxLayout(this);
  filter = new QLineEdit(this);
  filter->setPlaceholderText(qt::Text(str::kChooserFilter));
  filter->setClearButtonEnabled(true);
  layout->addWidget(filter);
  list = new QListWidget(this);
  layout->addWidget(list);
  auto* buttons = new QHBoxLayout;
  accept_button = new QPushButton(qt::FromAnsi(chooser_.accept_text()), this);
  add_button = new QPushButton(qt::Text(str::kRecAddPublisherButton), this);
  close_button = new QPushButton(qt::FromAnsi(chooser_.close_text()), this);
  for (QPushButton* b : {accept_button, add_button, close_button}) buttons->addWidget(b);
  layout->addLayout(buttons);
  accept_button->setDefault(true);
  connect(list, &QListWidget::currentRowChanged, this, [this](int r) { chooser_.Select(r); });
  connect(filter, &QLineEdit::textChanged, this, &PublisherChooserDialog::ApplyFilter);
  connect(list, &QListWidget::itemActivated, this, [this] { accept_button->click(); });
  connect(accept_button, &QPushButton::clicked, this, [this] {
    if (chooser_.mode() == ChooserMode::kPickOne)
      accept();
    else
      EditSelected();
  });
  connect(add_button, &QPushButton::clicked, this, &PublisherChooserDialog::Add);
  connect(close_button, &QPushButton::clicked, this, [this] {
    if (chooser_.mode() == ChooserMode::kPickOne)
      reject();
    else
      accept();
  });
  Fill();
}

void PublisherChooserDialog::Fill() {
  const QSignalBlocker block(list);
  list->clear();
  for (const auto& n : chooser_.names()) list->addItem(qt::FromAnsi(n));
  list->setCurrentRow(chooser_.selected());
  ApplyFilter();
  accept_button->setVisible(chooser_.edit_visible());
  add_button->setVisible(chooser_.add_visible() && !doc_.read_only());
}

void PublisherChooserDialog::ApplyFilter() {
  const std::string part = qt::ToAnsi(filter->text());
  const auto& names = chooser_.names();
  int first_shown = -1;
  for (int i = 0; i < list->count() && i < static_cast<int>(names.size()); ++i) {
    const bool shown = store::NameContains(names[static_cast<std::size_t>(i)], part);
    list->item(i)->setHidden(!shown);
    if (shown && first_shown < 0) first_shown = i;
  }
  // The choice stays on someone the list still shows.
  const int current = list->currentRow();
  if ((current < 0 || list->item(current)->isHidden()) && first_shown >= 0)
    list->setCurrentRow(first_shown);
}

void PublisherChooserDialog::EditSelected() {
  const int row = doc_.db().FindRow(chooser_.selected_id());
  if (row > 0) Edit(row, false);
}

void PublisherChooserDialog::Edit(int row, bool adding) {
  PublisherEditor editor(doc_, settings_, prompter_, adding ? EditorMode::kAdd : EditorMode::kEdit,
                         row);
  PublisherEditorDialog dialog(editor, &chooser_, prompter_, this);
  if (dialog.exec() != QDialog::Accepted && adding && !dialog.changed()) editor.Cancel();
  changed_ |= dialog.changed();
  doc_.db().RebuildIndexes(prompter_);
  chooser_.Refill();
  if (editor.row() > 0) chooser_.SelectId(editor.id());
  Fill();
}

void PublisherChooserDialog::Add() {
  const AddPick pick = AskAddChoice(OfferedAddChoices(doc_.db()), this);
  if (pick == AddPick::kNone) return;
  if (pick == AddPick::kNew) {
    Edit(0, true);
    return;
  }
  const bool students = pick == AddPick::kFromStudents;
  const int row = PickFromList(
      doc_.db(), students ? store::ListType::kNonPublisher : store::ListType::kInactive, this);
  if (row == 0) return;
  const int month = ChooseMonth(
      TransferPrompt(doc_.db(), row, students ? str::kRecBecamePublisher : str::kRecWasReactivated),
      this);
  if (month == 0) return;
  const std::uint16_t id = doc_.db().row(row).id();
  if (students)
    TransferStudentToPublisher(doc_.db(), row, month, prompter_);
  else
    ReactivateInactive(doc_.db(), row, month, prompter_);
  changed_ = true;
  chooser_.Refill();
  chooser_.SelectId(id);
  Fill();
}

bool RunPublisherEditing(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                         QWidget* parent) {
  if (doc.read_only()) return false;
  PublisherChooserDialog d(doc, settings, prompter, ChooserMode::kEdit, parent);
  d.exec();
  doc.db().RebuildIndexes(prompter);
  if (d.changed()) doc.db().UpdatePresenceFlags();
  return d.changed();
}

}  // namespace ledra::records::ui
