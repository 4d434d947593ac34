#pragma once
// "Entrada das Folhas de Relatório": the buttons of the month dialog bound to
// its rules; the answer is the core's MonthChoice.

#include <QDialog>

#include "activity/month_dialog_model.h"
#include "platform/prompter.h"

class QPushButton;

namespace ledra::activity::ui {

class MonthDialog : public QDialog {
  Q_OBJECT

 public:
  MonthDialog(store::CongregationDatabase& db, Prompter& prompter, QWidget* parent = nullptr);

  const MonthChoice& choice() const { return choice_; }
  QPushButton* ok_button() const { return ok_; }
  QPushButton* start_button() const { return start_; }
  QPushButton* early_button() const { return early_; }
  QPushButton* hint_button() const { return hint_; }

 private:
  void StartPressed(bool early);

  store::CongregationDatabase& db_;
  Prompter& prompter_;
  MonthDialogModel model_;
  MonthChoice choice_;
  QPushButton* ok_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* early_ = nullptr;
  QPushButton* hint_ = nullptr;
};

// Shows the dialog; Cancel gives a choice of kCancel.
MonthChoice RunMonthDialog(store::CongregationDatabase& db, Prompter& prompter, QWidget* parent);

}  // namespace ledra::activity::ui
