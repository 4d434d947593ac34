#pragma once
// "Editar Grupos de Serviço de Campo": the twenty groups, the editor of one
// group and the assignment of its members, bound to GroupEditor.

#include <QDialog>

#include "platform/prompter.h"
#include "records/field_groups.h"
#include "store/document.h"
#include "store/settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace ledra::records::ui {

class GroupListDialog : public QDialog {
  Q_OBJECT

 public:
  GroupListDialog(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                  QWidget* parent = nullptr);

  QTreeWidget* list = nullptr;
  QLabel* note = nullptr;
  QPushButton* edit = nullptr;
  QPushButton* close = nullptr;
  bool changed() const { return changed_; }
  // Opens the editor of the selected group.
  void EditSelected();

 private:
  void Fill();
  void UpdateEditText();

  store::Document& doc_;
  const store::Settings& settings_;
  Prompter& prompter_;
  std::vector<GroupListRow> rows_;
  bool changed_ = false;
};

class GroupEditorDialog : public QDialog {
  Q_OBJECT

 public:
  GroupEditorDialog(GroupEditor& editor, store::Document& doc, const store::Settings& settings,
                    Prompter& prompter, QWidget* parent = nullptr);

  QLineEdit* overseer = nullptr;
  QLineEdit* assistant = nullptr;
  QLineEdit* place = nullptr;
  QComboBox* weekday = nullptr;
  QLineEdit* time = nullptr;
  QLineEdit* name = nullptr;
  QPushButton* pick_overseer = nullptr;
  QPushButton* pick_assistant = nullptr;
  QPushButton* members = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;

 private:
  void Push();
  void Pull();
  // The publisher chooser in pick-one mode; 0 when cancelled.
  std::uint16_t Pick();

  GroupEditor& editor_;
  store::Document& doc_;
  const store::Settings& settings_;
  Prompter& prompter_;
};

// "Publicadores Designados": the group's members beside the publishers in no group.
class GroupMembersDialog : public QDialog {
  Q_OBJECT

 public:
  GroupMembersDialog(GroupEditor& editor, const store::CongregationDatabase& db,
                     QWidget* parent = nullptr);

  QListWidget* members = nullptr;
  QListWidget* unassigned = nullptr;
  QPushButton* move_in = nullptr;
  QPushButton* move_out = nullptr;
  QPushButton* done = nullptr;

 private:
  void Fill();
  void Move(QListWidget* from, bool member);

  GroupEditor& editor_;
  const store::CongregationDatabase& db_;
};

// The command: the list, then the indexes rebuilt. Returns whether anything changed.
bool RunGroupEditing(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                     QWidget* parent);

}  // namespace ledra::records::ui
