#pragma once
// The dialogs that move people between lists: the pioneers of a month, the
// inactive (or deleted) publishers, and those who moved away. Each is a thin
// binding of its core model; every change goes through the list transfers.

#include <QDialog>

#include "platform/prompter.h"
#include "records/inactive_list.h"
#include "records/moved_list.h"
#include "records/pioneer_list.h"
#include "store/document.h"
#include "store/settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace ledra::records::ui {

class PioneerListDialog : public QDialog {
  Q_OBJECT

 public:
  PioneerListDialog(store::Document& doc, PioneerMode mode, Prompter& prompter,
                    QWidget* parent = nullptr);

  PioneerList& list() { return list_; }
  QListWidget* listed() const { return listed_; }
  QListWidget* others() const { return others_; }
  QComboBox* years() const { return years_; }
  QComboBox* months() const { return months_; }
  bool changed() const { return changed_; }

 private:
  void FillYears();
  void FillMonths();
  void Show();
  void Move(bool add);

  store::Document& doc_;
  Prompter& prompter_;
  PioneerList list_;
  std::vector<int> listed_rows_, other_rows_;
  QListWidget* listed_ = nullptr;
  QListWidget* others_ = nullptr;
  QComboBox* years_ = nullptr;
  QComboBox* months_ = nullptr;
  QCheckBox* special_ = nullptr;
  bool filling_ = false;
  bool changed_ = false;
};

class InactiveListDialog : public QDialog {
  Q_OBJECT

 public:
  InactiveListDialog(store::Document& doc, const store::Settings& settings, InactiveMode mode,
                     Prompter& prompter, QWidget* parent = nullptr);

  InactiveListModel& model() { return model_; }
  QListWidget* left() const { return left_; }
  QListWidget* right() const { return right_; }
  QPushButton* main_button() const { return main_; }
  bool changed() const { return changed_; }

 private:
  void Fill();
  void UpdateButtons();
  void Main();
  void Delete();
  void Edit();

  store::Document& doc_;
  const store::Settings& settings_;
  Prompter& prompter_;
  InactiveListModel model_;
  std::vector<ListEntry> left_entries_, right_entries_;
  QListWidget* left_ = nullptr;
  QListWidget* right_ = nullptr;
  QPushButton* main_ = nullptr;
  QPushButton* filter_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* edit_ = nullptr;
  ListSide side_ = ListSide::kLeft;
  bool changed_ = false;
};

class MovedListDialog : public QDialog {
  Q_OBJECT

 public:
  MovedListDialog(store::Document& doc, Prompter& prompter, QWidget* parent = nullptr);

  QListWidget* left() const { return left_; }
  QListWidget* right() const { return right_; }
  bool changed() const { return changed_; }

 private:
  void Fill();
  void Move();
  void Undo();
  void Delete();

  store::Document& doc_;
  Prompter& prompter_;
  MovedListModel model_;
  std::vector<ListEntry> left_entries_, right_entries_;
  QListWidget* left_ = nullptr;
  QListWidget* right_ = nullptr;
  QPushButton* move_ = nullptr;
  bool changed_ = false;
};

}  // namespace ledra::records::ui
