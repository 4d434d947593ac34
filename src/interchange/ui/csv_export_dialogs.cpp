#include "interchange/ui/csv_export_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include "activity/month_calendar.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/ui/person_side_dialogs.h"

namespace ledra::interchange::ui {

DataExportDialog::DataExportDialog(const store::Document& doc, QWidget* parent) : QDialog(parent) {
  setWindowTitle(qt::Text(str::kExportDataTitle));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  month = new QComboBox(this);
  for (int m = 0; m < 12; ++m) month->addItem(qt::FromAnsi(activity::MonthName(m)));
  month->setCurrentIndex(doc.db().month().report_month_index);
  form->addRow(qt::Text(str::kExportMonthLabel), month);
  auto* formats = new QVBoxLayout;
  csv = new QRadioButton(qt::Text(str::kExportCsvChoice), this);
  rpt = new QRadioButton(qt::Text(str::kExportRptChoice), this);
  csv->setChecked(true);
  formats->addWidget(csv);
  formats->addWidget(rpt);
  form->addRow(qt::Text(str::kExportFormatLabel), formats);
  layout->addLayout(form);
  header = new QCheckBox(qt::Text(str::kExportHeaderChoice), this);
  layout->addWidget(header);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

ExportRequest DataExportDialog::request() const {
  ExportRequest r;
  r.kind = ExportKind::kData;
  r.month_index = month->currentIndex();
  r.tab = rpt->isChecked();
  r.header = header->isChecked();
  return r;
}

std::optional<platform::Path> WriteAndOffer(const store::Document& doc,
                                            const ExportRequest& request, Prompter& prompter) {
  const Result<platform::Path> file = WriteExport(doc, request);
  if (!file) {
    prompter.Inform(file.error().text);
    return std::nullopt;
  }
  if (prompter.AskYesNoCancel(ExportedQuestion(*file)) == Answer::kYes)
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(file->parent_path().string())));
  return *file;
}

QMenu* AddExportMenu(QMenu* file_menu, QAction* before, const store::Document& doc,
                     const store::Settings& settings, Prompter& prompter, QWidget* parent) {
  auto* menu = new QMenu(qt::Text(str::kExportSubmenu), file_menu);
  file_menu->insertMenu(before, menu);
  auto add = [&](int text, auto run) {
    QAction* action = menu->addAction(qt::Text(text));
    QObject::connect(action, &QAction::triggered, menu, run);
  };
  add(str::kExportDataMenu, [&doc, &prompter, parent] {
    DataExportDialog dialog(doc, parent);
    if (dialog.exec() == QDialog::Accepted) (void)WriteAndOffer(doc, dialog.request(), prompter);
  });
  auto simple = [&](int text, ExportKind kind) {
    add(text, [&doc, &settings, &prompter, kind] {
      ExportRequest r;
      r.kind = kind;
      r.hide_birth = settings.hide_birth;
      (void)WriteAndOffer(doc, r, prompter);
    });
  };
  simple(str::kExportContactsMenu, ExportKind::kContacts);
  simple(str::kExportEmergencyMenu, ExportKind::kEmergency);
  simple(str::kExportCardsMenu, ExportKind::kCardHeaders);
  add(str::kExportCollectionMenu, [&doc, &prompter, parent] {
    const int group = records::ui::ChooseGroup(doc.db().side.groups, 1, parent);
    if (group < 0) return;
    ExportRequest r;
    r.kind = ExportKind::kCollectionList;
    r.group = group;
    (void)WriteAndOffer(doc, r, prompter);
  });
  simple(str::kExportAttendanceMenu, ExportKind::kAttendance);
  simple(str::kExportSummaryMenu, ExportKind::kSummary);
  return menu;
}

}  // namespace ledra::interchange::ui
