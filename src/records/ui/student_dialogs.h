#pragma once
// The Bible students: their list (add, edit, delete, make a publisher) and
// "Editar estudante da Bíblia", the publisher editor in its reduced form
// with the study conductor.

#include <QDialog>

#include "platform/prompter.h"
#include "records/bible_students.h"
#include "records/ui/publisher_editor_dialog.h"
#include "store/document.h"
#include "store/settings.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace ledra::records::ui {

class StudentEditorDialog : public PublisherEditorDialog {
  Q_OBJECT

 public:
  StudentEditorDialog(PublisherEditor& editor, store::Document& doc,
                      const store::Settings& settings, Prompter& prompter,
                      QWidget* parent = nullptr);

  QLabel* conductor = nullptr;
  QPushButton* pick_conductor = nullptr;
  QPushButton* drop_conductor = nullptr;

 private:
  void ShowConductor();

  PublisherEditor& editor_;
  store::Document& doc_;
  const store::Settings& settings_;
  Prompter& prompter_;
};

class StudentListDialog : public QDialog {
  Q_OBJECT

 public:
  StudentListDialog(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                    QWidget* parent = nullptr);

  QListWidget* list = nullptr;
  QPushButton* add = nullptr;
  QPushButton* edit = nullptr;
  QPushButton* remove = nullptr;
  QPushButton* make_publisher = nullptr;
  QPushButton* close = nullptr;
  bool changed() const { return changed_; }

  void Add();
  void EditSelected();
  void DeleteSelected();
  void MakePublisher();

 private:
  void Fill(std::uint16_t select = 0);
  int SelectedRow() const;
  void Open(int row, bool adding);

  store::Document& doc_;
  const store::Settings& settings_;
  Prompter& prompter_;
  std::vector<StudentRow> rows_;
  bool changed_ = false;
};

// The command: the list, then the indexes rebuilt. Returns whether anything changed.
bool RunStudentEditing(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                       QWidget* parent);

}  // namespace ledra::records::ui
