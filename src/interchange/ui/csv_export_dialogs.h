#pragma once
// The CSV and TSV exports in the window: "Exportar Dados de Publicador"
// (month, format, header line), the group chooser of the collection list,
// the question "exportado - Mostrar na pasta?" after every export, and the
// submenu of the Arquivo menu that offers them all.

#include <QDialog>
#include <optional>

#include "interchange/csv_export.h"
#include "platform/prompter.h"
#include "store/document.h"
#include "store/settings.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;
class QRadioButton;

namespace ledra::interchange::ui {

class DataExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens on the ReportMonth, comma-separated, without a header line.
  DataExportDialog(const store::Document& doc, QWidget* parent = nullptr);
  ExportRequest request() const;

  QComboBox* month = nullptr;
  QRadioButton* csv = nullptr;
  QRadioButton* rpt = nullptr;
  QCheckBox* header = nullptr;
  QPushButton* ok = nullptr;
};

// Writes the file; shows why it could not be written, or asks whether to
// show it in its folder (and opens the folder on Yes). Returns the file.
std::optional<platform::Path> WriteAndOffer(const store::Document& doc,
                                            const ExportRequest& request, Prompter& prompter);

// The submenu "Exportar (CSV / TSV)" inserted into `file_menu` before
// `before`, with one action per export.
QMenu* AddExportMenu(QMenu* file_menu, QAction* before, const store::Document& doc,
                     const store::Settings& settings, Prompter& prompter, QWidget* parent);

}  // namespace ledra::interchange::ui
