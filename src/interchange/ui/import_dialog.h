#pragma once
// The import dialog: the pick list of the people whose figures in the file
// differ from those entered, the counts, the preview of a line under the
// pointer, and the merge of the chosen lines.

#include <QDialog>

#include "interchange/import_dialog_model.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace ledra::interchange::ui {

class ImportDialog : public QDialog {
  Q_OBJECT

 public:
  ImportDialog(store::Document& doc, ImportTable table, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  QPushButton* import_button() const { return import_; }
  QLabel* preview() const { return preview_; }
  const ImportDialogModel& model() const { return model_; }
  // Shows the preview of a line, as the pointer over it does.
  void ShowPreview(int line);
  // "Importar Dados Selecionados": merges the chosen lines and closes.
  void ImportSelected();
  int merged() const { return merged_; }

 private:
  void SelectionChanged();

  store::Document& doc_;
  ImportDialogModel model_;
  QListWidget* list_ = nullptr;
  QLabel* available_ = nullptr;
  QLabel* selected_ = nullptr;
  QLabel* preview_ = nullptr;
  QPushButton* import_ = nullptr;
  int merged_ = 0;
};

// Opens the dialog; returns how many lines were merged (0 when cancelled).
int RunImportDialog(store::Document& doc, ImportTable table, QWidget* parent);

}  // namespace ledra::interchange::ui
