#pragma once
// The sheet list of the open month: who has reported so far, the
// entered-up-to marker, and the button that closes the month.

#include <QDialog>

#include "store/congregation_database.h"

class QListWidget;
class QPushButton;

namespace ledra::activity::ui {

class SheetListDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SheetListDialog(store::CongregationDatabase& db, QWidget* parent = nullptr);

  bool closed_month() const { return closed_month_; }
  QPushButton* close_month_button() const { return close_month_; }
  QListWidget* list() const { return list_; }

 private:
  store::CongregationDatabase& db_;
  QListWidget* list_ = nullptr;
  QPushButton* close_month_ = nullptr;
  bool closed_month_ = false;
};

}  // namespace ledra::activity::ui
