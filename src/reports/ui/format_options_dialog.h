#pragma once
// "Opções de Formatar": check boxes, the two margin lists and the
// congregation name, bound to the options' rules.

#include <QDialog>

#include "reports/format_options.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ledra::reports::ui {

class FormatOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  FormatOptionsDialog(FormatOptionsModel& model, QWidget* parent = nullptr);

 private:
  void Collect();

  FormatOptionsModel& model_;
  QCheckBox* surname_first_;
  QCheckBox* birth_statistics_;
  QCheckBox* alternate_dates_;
  QCheckBox* birth_caption_;
  QCheckBox* alternate_labels_;
  QCheckBox* grid_;
  QCheckBox* no_report_boxes_;
  QCheckBox* datestamp_;
  QCheckBox* witness_;
  QComboBox* top_margin_;
  QComboBox* label_margin_;
  QLineEdit* congregation_;
};

// Runs the dialog; true when an option changed (the settings and the shared
// options were updated).
bool RunFormatOptions(store::Settings& settings, std::array<std::uint8_t, 7>& shared,
                      QWidget* parent);

}  // namespace ledra::reports::ui
