#pragma once
// The status lists of the View menu: the kind, month or period drop-downs,
// the selection list (groups, baptism ranges, appointments, needs), the
// lines under their heading, the copy of the not-reported list to the
// clipboard and its reminder by mail. Every rule is StatusList's; this only
// shows it.

#include <QDialog>
#include <functional>

#include "activity/status_list.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace ledra::activity::ui {

class StatusListDialog : public QDialog {
  Q_OBJECT

 public:
  StatusListDialog(const store::CongregationDatabase& db, StatusListOptions options,
                   StatusListKind kind, QWidget* parent = nullptr);

  QComboBox* kinds() const { return kinds_; }
  QComboBox* second() const { return second_; }
  QListWidget* selections() const { return selections_; }
  QTreeWidget* lines() const { return lines_; }
  QLabel* heading() const { return heading_; }
  QPushButton* copy_button() const { return copy_; }
  QPushButton* print_button() const { return print_; }
  QPushButton* print_setup_button() const { return print_setup_; }
  QPushButton* mail_button() const { return mail_; }
  // What the print buttons do with the list shown (set by the window).
  std::function<void(const StatusListPage& page, StatusListKind kind)> on_print;
  std::function<void()> on_print_setup;
  // What the reminder button does with the not-reported list's choice (set
  // by the window, which sends the mail).
  std::function<void(const StatusListChoice& choice)> on_mail;
  // The choice the widgets make now.
  StatusListChoice Choice() const;

 private:
  void KindChanged();
  void Fill();

  const store::CongregationDatabase& db_;
  StatusList model_;
  QComboBox* kinds_ = nullptr;
  QComboBox* second_ = nullptr;
  QListWidget* selections_ = nullptr;
  QLabel* heading_ = nullptr;
  QTreeWidget* lines_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* print_setup_ = nullptr;
  QPushButton* mail_ = nullptr;
};

}  // namespace ledra::activity::ui
