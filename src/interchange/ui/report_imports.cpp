#include "interchange/ui/report_imports.h"

#include <QFileDialog>

#include "interchange/collection_file.h"
#include "interchange/publist_reports.h"
#include "interchange/ui/import_dialog.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "records/ui/person_side_dialogs.h"

namespace ledra::interchange::ui {
namespace {

QString FolderOf(const store::Document& doc) {
  return qt::FromAnsi(platform::PathForMessage(doc.data_folder()));
}

int ImportTableOf(store::Document& doc, Prompter& prompter, const Result<ImportTable>& table,
                  QWidget* parent) {
  if (!table) {
    prompter.Inform(table.error().text);
    return 0;
  }
  return RunImportDialog(doc, *table, parent);
}

}  // namespace

bool RunCollectionPrepare(const store::Document& doc, store::Settings& settings, Prompter& prompter,
                          const MailSend& send, QWidget* parent) {
  bool changed = false;
  int group = 1;
  for (;;) {
    group = records::ui::ChooseGroup(doc.db().side.groups, group, parent);
    if (group < 1) return changed;
    CollectionPrepDialog dialog(doc, settings, group, prompter, send, parent);
    dialog.exec();
    changed = changed || dialog.settings_changed();
    if (!dialog.other_group()) return changed;
  }
}

int RunCollectionImport(store::Document& doc, Prompter& prompter, QWidget* parent) {
  if (doc.read_only()) return 0;
  const QString name =
      QFileDialog::getOpenFileName(parent, qt::Text(str::kCollectOpenTitle), FolderOf(doc),
                                   qt::Text(str::kCollectOpenFilter) + QStringLiteral(" (*.t19)"));
  if (name.isEmpty() || !name.endsWith(QStringLiteral(".t19"), Qt::CaseInsensitive)) return 0;
  const Result<std::string> bytes = platform::ReadFile(name.toStdString());
  // A file that cannot be read gives an empty list.
  return ImportTableOf(doc, prompter, ReadCollectionFile(bytes ? *bytes : std::string(), doc),
                       parent);
}

int RunXmlReportImport(store::Document& doc, Prompter& prompter, QWidget* parent) {
  if (doc.read_only()) return 0;
  const QString name = QFileDialog::getOpenFileName(parent, qt::Text(str::kImportXmlOpenTitle),
                                                    FolderOf(doc), qt::Text(str::kImportXmlFilter));
  if (name.isEmpty()) return 0;
  return ImportTableOf(doc, prompter, ReadXmlReportsFile(name.toStdString(), doc), parent);
}

}  // namespace ledra::interchange::ui
