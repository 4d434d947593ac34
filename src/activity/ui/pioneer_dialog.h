#pragma once
// "Horas de Pioneiro para o Ano de Serviço": a regular pioneer's year with
// its lines, a table of the months and a chart of the same figures.

#include <QDialog>
#include <vector>

#include "activity/pioneer_year.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace ledra::activity::ui {

class PioneerChart;

class PioneerDialog : public QDialog {
  Q_OBJECT

 public:
  PioneerDialog(const store::Document& doc, QWidget* parent = nullptr);

  QComboBox* pioneers() const { return pioneers_; }
  QCheckBox* previous() const { return previous_; }
  QTableWidget* table() const { return table_; }
  QLabel* line(int i) const { return lines_[static_cast<std::size_t>(i)]; }

 private:
  void Show();

  const store::Document& doc_;
  std::vector<int> rows_;  // the regular pioneers' rows, in list order
  QComboBox* pioneers_ = nullptr;
  QCheckBox* previous_ = nullptr;
  QLabel* name_ = nullptr;
  std::array<QLabel*, 3> lines_{};
  QTableWidget* table_ = nullptr;
  PioneerChart* chart_ = nullptr;
};

}  // namespace ledra::activity::ui
