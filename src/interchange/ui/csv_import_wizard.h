#pragma once
// The CSV import's first two steps as dialogs: the column mapping with a
// preview of the file's first lines, then the name matching. Their rules
// live in ColumnMappingStep and NameMatchingStep; the import table they end
// with goes to the import dialog.

#include <QDialog>
#include <optional>

#include "interchange/csv_import.h"
#include "interchange/csv_mapping_step.h"
#include "interchange/csv_name_step.h"
#include "platform/prompter.h"
#include "store/document.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace ledra::interchange::ui {

class CsvColumnDialog : public QDialog {
  Q_OBJECT

 public:
  CsvColumnDialog(ColumnMappingStep& step, QWidget* parent = nullptr);

  QListWidget* targets = nullptr;  // the eight target fields
  QListWidget* columns = nullptr;  // the file's header fields
  QCheckBox* from_hours = nullptr;
  QPushButton* clear = nullptr;
  QPushButton* continue_button = nullptr;
  QPushButton* cancel = nullptr;
  QTableWidget* preview = nullptr;

 private:
  // A column chosen pairs it with the chosen target, then the next unpaired
  // target is chosen.
  void ColumnChosen(int column);
  void Refresh();

  ColumnMappingStep& step_;
};

class CsvNameDialog : public QDialog {
  Q_OBJECT

 public:
  CsvNameDialog(NameMatchingStep& step, QWidget* parent = nullptr);

  QListWidget* names = nullptr;       // the names that found nobody
  QListWidget* publishers = nullptr;  // the active publishers nobody found
  QPushButton* pair = nullptr;        // "->"
  QCheckBox* skip = nullptr;
  QPushButton* clear = nullptr;
  QPushButton* continue_button = nullptr;
  QPushButton* cancel = nullptr;

 private:
  void Refresh();

  NameMatchingStep& step_;
};

// The "(.csv)" button of the report sheets: asks for the file, then runs the
// steps on it. Nothing when the user cancels or the file is refused (the
// refusal has been shown).
std::optional<ImportTable> RunCsvImportWizard(QWidget* parent, store::Document& doc,
                                              Prompter& prompter);
// The steps on a file already chosen.
std::optional<ImportTable> RunCsvImportSteps(QWidget* parent, store::Document& doc,
                                             Prompter& prompter, const platform::Path& file);

}  // namespace ledra::interchange::ui
