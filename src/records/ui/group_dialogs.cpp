#include "records/ui/group_dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/publisher_chooser.h"
#include "records/ui/publisher_chooser_dialog.h"

namespace ledra::records::ui {
namespace {

QLineEdit* LineEdit(QWidget* parent, std::size_t limit) {
  auto* e = new QLineEdit(parent);
  e->setMaxLength(static_cast<int>(limit));
  return e;
}

QString GroupText(int id, const std::string& name) {
  return qt::FromAnsi(Strings().Format(id, {name}));
}

}  // namespace

GroupListDialog::GroupListDialog(store::Document& doc, const store::Settings& settings,
                                 Prompter& prompter, QWidget* parent)
    : QDialog(parent), doc_(doc), settings_(settings), prompter_(prompter) {
  setWindowTitle(qt::Text(str::kFieldGroupListTitle));
  auto* layout = new QVBoxLayout(this);
  list = new QTreeWidget(this);
  list->setRootIsDecorated(false);
  list->setColumnCount(6);
  list->header()->hide();
  list->setMinimumWidth(700);
  layout->addWidget(list);
  note = new QLabel(this);
  layout->addWidget(note);
  auto* buttons = new QHBoxLayout;
  edit = new QPushButton(this);
  close = new QPushButton(qt::Text(str::kRecCloseButton), this);
  buttons->addWidget(edit);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(list, &QTreeWidget::currentItemChanged, this, &GroupListDialog::UpdateEditText);
  connect(list, &QTreeWidget::itemActivated, this, &GroupListDialog::EditSelected);
  connect(edit, &QPushButton::clicked, this, &GroupListDialog::EditSelected);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
  list->setCurrentItem(list->topLevelItem(0));
  edit->setEnabled(!doc_.read_only());
}

void GroupListDialog::Fill() {
  const int current = list->indexOfTopLevelItem(list->currentItem());
  rows_ = GroupListRows(doc_.db());
  list->clear();
  for (const GroupListRow& r : rows_) {
    QStringList columns = qt::FromAnsi(r.text).split('\t');
    for (QString& c : columns) c = c.trimmed();
    list->addTopLevelItem(new QTreeWidgetItem(columns));
  }
  for (int c = 0; c < list->columnCount(); ++c) list->resizeColumnToContents(c);
  note->setText(qt::FromAnsi(GroupListNote(rows_)));
  if (current >= 0) list->setCurrentItem(list->topLevelItem(current));
  UpdateEditText();
}

void GroupListDialog::UpdateEditText() {
  const int r = list->indexOfTopLevelItem(list->currentItem());
  const std::string name = r >= 0 ? rows_[static_cast<std::size_t>(r)].name : std::string{};
  edit->setText(GroupText(str::kFieldGroupEditButton, name));
}

void GroupListDialog::EditSelected() {
  const int r = list->indexOfTopLevelItem(list->currentItem());
  if (r < 0 || doc_.read_only()) return;
  GroupEditor editor(doc_.db(), rows_[static_cast<std::size_t>(r)].number);
  GroupEditorDialog dialog(editor, doc_, settings_, prompter_, this);
  if (dialog.exec() == QDialog::Accepted) changed_ = true;
  Fill();
}

GroupEditorDialog::GroupEditorDialog(GroupEditor& editor, store::Document& doc,
                                     const store::Settings& settings, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), editor_(editor), doc_(doc), settings_(settings), prompter_(prompter) {
  setWindowTitle(qt::FromAnsi(editor.display_name()));
  auto* grid = new QGridLayout(this);
  overseer = LineEdit(this, kGroupOverseerLimit);
  assistant = LineEdit(this, kGroupAssistantLimit);
  place = LineEdit(this, kGroupPlaceLimit);
  time = LineEdit(this, kGroupTimeLimit);
  name = LineEdit(this, kGroupNameLimit);
  weekday = new QComboBox(this);
  for (int d = 0; d <= kLastWeekday; ++d) weekday->addItem(qt::Text(str::kDayMonday + d));
  pick_overseer = new QPushButton(qt::Text(str::kRecPickButton), this);
  pick_assistant = new QPushButton(qt::Text(str::kRecPickButton), this);
  int row = 0;
  auto add = [&](int caption, QWidget* w, QWidget* beside = nullptr) {
    grid->addWidget(new QLabel(qt::Text(caption), this), row, 0);
    grid->addWidget(w, row, 1);
    if (beside) grid->addWidget(beside, row, 2);
    ++row;
  };
  add(str::kFieldGroupOverseer, overseer, pick_overseer);
  add(str::kFieldGroupAssistant, assistant, pick_assistant);
  add(str::kFieldGroupPlace, place);
  add(str::kFieldGroupDay, weekday);
  add(str::kFieldGroupTime, time);
  add(str::kFieldGroupOptionalName, name);
  members = new QPushButton(qt::Text(str::kFieldGroupAssigned), this);
  grid->addWidget(members, row++, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  ok = new QPushButton(qt::Text(str::kRecOkButton), this);
  cancel = new QPushButton(qt::Text(str::kRecCancelButton), this);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, row, 0, 1, 3);
  ok->setDefault(true);

  connect(pick_overseer, &QPushButton::clicked, this, [this] {
    Pull();
    if (const std::uint16_t id = Pick()) editor_.PickOverseer(id);
    Push();
  });
  connect(pick_assistant, &QPushButton::clicked, this, [this] {
    Pull();
    if (const std::uint16_t id = Pick()) editor_.PickAssistant(id);
    Push();
  });
  connect(members, &QPushButton::clicked, this, [this] {
    GroupMembersDialog d(editor_, doc_.db(), this);
    d.exec();
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    Pull();
    auto saved = editor_.Save(prompter_);
    if (!saved) {
      prompter_.Inform(saved.error().text);
      return;
    }
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  Push();
}

void GroupEditorDialog::Push() {
  const GroupFields& f = editor_.fields();
  overseer->setText(qt::FromAnsi(f.overseer));
  assistant->setText(qt::FromAnsi(f.assistant));
  place->setText(qt::FromAnsi(f.place));
  time->setText(qt::FromAnsi(f.time));
  name->setText(qt::FromAnsi(f.name));
  // A stray weekday byte shows no day until one is chosen.
  weekday->setCurrentIndex(f.weekday >= 0 && f.weekday <= kLastWeekday ? f.weekday : -1);
}

void GroupEditorDialog::Pull() {
  GroupFields& f = editor_.fields();
  f.overseer = qt::ToAnsi(overseer->text());
  f.assistant = qt::ToAnsi(assistant->text());
  f.place = qt::ToAnsi(place->text());
  f.time = qt::ToAnsi(time->text());
  f.name = qt::ToAnsi(name->text());
  if (weekday->currentIndex() >= 0) f.weekday = weekday->currentIndex();
}

std::uint16_t GroupEditorDialog::Pick() {
  PublisherChooserDialog d(doc_, settings_, prompter_, ChooserMode::kPickOne, this);
  if (d.exec() != QDialog::Accepted) return 0;
  return d.chooser().selected_id();
}

GroupMembersDialog::GroupMembersDialog(GroupEditor& editor, const store::CongregationDatabase& db,
                                       QWidget* parent)
    : QDialog(parent), editor_(editor), db_(db) {
  const std::string group = editor.display_name();
  setWindowTitle(qt::Text(str::kFieldGroupAssigned));
  auto* grid = new QGridLayout(this);
  members = new QListWidget(this);
  unassigned = new QListWidget(this);
  grid->addWidget(new QLabel(GroupText(str::kFieldGroupMembers, group), this), 0, 0);
  grid->addWidget(new QLabel(qt::Text(str::kFieldGroupUnassigned), this), 0, 2);
  grid->addWidget(members, 1, 0);
  grid->addWidget(unassigned, 1, 2);
  auto* middle = new QVBoxLayout;
  move_in = new QPushButton(QStringLiteral("<< ") + GroupText(str::kFieldGroupMoveTo, group), this);
  move_out =
      new QPushButton(GroupText(str::kFieldGroupMoveOut, group) + QStringLiteral(" >>"), this);
  middle->addStretch();
  middle->addWidget(move_in);
  middle->addWidget(move_out);
  middle->addStretch();
  grid->addLayout(middle, 1, 1);
  done = new QPushButton(qt::Text(str::kRecOkButton), this);
  grid->addWidget(done, 2, 0, 1, 3);
  connect(move_in, &QPushButton::clicked, this, [this] { Move(unassigned, true); });
  connect(move_out, &QPushButton::clicked, this, [this] { Move(members, false); });
  connect(unassigned, &QListWidget::itemActivated, this, [this] { Move(unassigned, true); });
  connect(members, &QListWidget::itemActivated, this, [this] { Move(members, false); });
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
}

void GroupMembersDialog::Fill() {
  auto fill = [this](QListWidget* list, const std::vector<std::uint16_t>& ids) {
    const int current = list->currentRow();
    list->clear();
    for (std::uint16_t id : ids) {
      auto* item = new QListWidgetItem(qt::FromAnsi(ListName(db_, db_.FindRow(id))), list);
      item->setData(Qt::UserRole, id);
    }
    list->setCurrentRow(std::min(current, list->count() - 1));
  };
  fill(members, editor_.Members());
  fill(unassigned, editor_.Unassigned());
}

void GroupMembersDialog::Move(QListWidget* from, bool member) {
  const QListWidgetItem* item = from->currentItem();
  if (!item) return;
  editor_.Assign(static_cast<std::uint16_t>(item->data(Qt::UserRole).toUInt()), member);
  Fill();
}

bool RunGroupEditing(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                     QWidget* parent) {
  if (doc.read_only()) return false;
  GroupListDialog d(doc, settings, prompter, parent);
  d.exec();
  doc.db().RebuildIndexes(prompter);
  return d.changed();
}

}  // namespace ledra::records::ui
