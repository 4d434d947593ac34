#include "interchange/ui/publist_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "backup/backup_settings.h"
#include "backup/ui/backup_dialog.h"
#include "interchange/publist_import.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange::ui {
namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

void RunXmlExport(const store::Document& doc, const Clock& clock, Prompter& prompter,
                  QWidget* parent) {
  const auto& db = doc.db();
  QDialog dialog(parent);
  dialog.setWindowTitle(qt::Text(str::kXmlExportMenu).remove('&'));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QComboBox(&dialog);
  for (int id : {str::kCardActiveFile, str::kCardInactiveFile, str::kXmlStudentsLabel})
    list->addItem(qt::Text(id));
  layout->addWidget(list);
  auto* group = new QComboBox(&dialog);
  group->addItem(qt::Text(str::kXmlEveryGroup), 0);
  for (int g = 1; g <= db.side.groups.count(); ++g)
    group->addItem(qt::Text(str::kSheetGroup) + QStringLiteral(" %1").arg(g), g);
  layout->addWidget(group);
  auto* people = new QListWidget(&dialog);
  people->setSelectionMode(QAbstractItemView::MultiSelection);
  layout->addWidget(people);
  layout->addWidget(OkCancel(&dialog));
  std::vector<int> rows;
  const PubListSection sections[] = {PubListSection::kActive, PubListSection::kInactive,
                                     PubListSection::kNonPublishers};
  auto fill = [&] {
    people->clear();
    rows.clear();
    const int g = group->currentData().toInt();
    for (const store::IndexEntry& e : db.status_list(SectionList(sections[list->currentIndex()]))) {
      rows.push_back(e.row);
      auto* item =
          new QListWidgetItem(qt::FromAnsi(db.DisplayName(e.row, !db.sort_by_first_name)), people);
      // A group chosen takes all its members.
      item->setSelected(g == 0 || db.row(e.row).group() == g);
    }
  };
  QObject::connect(list, &QComboBox::currentIndexChanged, &dialog, fill);
  QObject::connect(group, &QComboBox::currentIndexChanged, &dialog, fill);
  fill();
  dialog.resize(380, 520);
  if (dialog.exec() != QDialog::Accepted) return;
  std::vector<int> chosen;
  for (int i = 0; i < people->count(); ++i)
    if (people->item(i)->isSelected()) chosen.push_back(rows[static_cast<std::size_t>(i)]);
  if (chosen.empty()) return;
  const PubListSection section = sections[list->currentIndex()];
  const Result<platform::Path> folder = ExportFolder(doc.data_folder());
  if (!folder) {
    prompter.Inform(folder.error().text);
    return;
  }
  const platform::Path file = *folder / PubListFileName(section);
  const Status written = WritePubList(doc, section, chosen, clock.Today(), file);
  prompter.Inform(written ? Strings().Format(str::kXmlCreated, {platform::PathForMessage(file)})
                          : written.error().text);
}

bool RunXmlImport(store::Document& doc, const Clock& clock, Prompter& prompter, QWidget* parent) {
  if (doc.read_only()) return false;
  const std::optional<Date> last = backup::ReadLastBackup(doc.data_folder());
  if (!last || !(*last == clock.Today())) {
    if (prompter.AskYesNoCancel(Strings().Get(str::kXmlBackupQuestion)) == Answer::kYes)
      (void)backup::ui::RunBackupCommand(doc, clock, prompter, parent);
  }
  const QString name = QFileDialog::getOpenFileName(
      parent, qt::Text(str::kXmlImportTitle),
      qt::FromAnsi(platform::PathForMessage(doc.data_folder())), QStringLiteral("XML (*.xml)"));
  if (name.isEmpty() || !name.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive)) return false;
  const Result<PubListFile> file = ReadPubList(name.toStdString(), doc.db());
  if (!file) {
    prompter.Inform(file.error().text);
    return false;
  }
  QDialog dialog(parent);
  dialog.setWindowTitle(qt::Text(str::kXmlImportMenu).remove('&'));
  auto* layout = new QVBoxLayout(&dialog);
  auto* people = new QListWidget(&dialog);
  people->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const PubListEntry& e : file->entries) people->addItem(qt::FromAnsi(e.display));
  layout->addWidget(people);
  auto* duplicates = new QLabel(&dialog);
  auto* update = new QRadioButton(qt::Text(str::kXmlUpdateExisting), &dialog);
  auto* add_new = new QRadioButton(qt::Text(str::kXmlCreateNew), &dialog);
  update->setChecked(true);
  auto* tally = new QLabel(&dialog);
  for (QWidget* w : std::initializer_list<QWidget*>{duplicates, update, add_new, tally})
    layout->addWidget(w);
  QDialogButtonBox* buttons = OkCancel(&dialog);
  layout->addWidget(buttons);
  auto chosen = [&] {
    std::vector<int> out;
    for (int i = 0; i < people->count(); ++i)
      if (people->item(i)->isSelected()) out.push_back(i);
    return out;
  };
  auto refresh = [&] {
    const std::vector<int> c = chosen();
    int dups = 0;
    for (int i : c) dups += file->entries[static_cast<std::size_t>(i)].duplicate_of != 0 ? 1 : 0;
    duplicates->setText(qt::FromAnsi(
        FormatPrintf("%s (%d)", {std::string_view(Strings().Get(str::kXmlDuplicates)), dups})));
    for (QWidget* w : std::initializer_list<QWidget*>{duplicates, update, add_new})
      w->setVisible(dups > 0);
    const ImportTally t = TallyOf(doc.db(), *file, c);
    tally->setText(qt::FromAnsi(t.too_many ? Strings().Get(str::kXmlTooMany) : t.line));
    buttons->button(QDialogButtonBox::Ok)->setVisible(!t.too_many);
  };
  QObject::connect(people, &QListWidget::itemSelectionChanged, &dialog, refresh);
  refresh();
  dialog.resize(380, 560);
  if (dialog.exec() != QDialog::Accepted || chosen().empty()) return false;
  const auto outcome = ImportPubList(
      doc, *file, chosen(), add_new->isChecked() ? DuplicateChoice::kNew : DuplicateChoice::kUpdate,
      prompter);
  if (!outcome) {
    prompter.Inform(outcome.error().text);
    return false;
  }
  return true;
}

}  // namespace ledra::interchange::ui
