#include "records/ui/shared_record_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::records::ui {
namespace {

QLineEdit* Edit(QWidget* parent, int limit, const std::string& text) {
  auto* e = new QLineEdit(qt::FromAnsi(text), parent);
  e->setMaxLength(limit);
  return e;
}

// A pick list of shared records; the chosen key or 0.
std::uint16_t PickShared(const std::vector<KeyedEntry>& choices, QWidget* parent, int title) {
  if (choices.empty()) return 0;
  QStringList items;
  for (const auto& c : choices) items << qt::FromAnsi(c.text);
  bool ok = false;
  const QString picked =
      QInputDialog::getItem(parent, qt::Text(title), qt::Text(title), items, 0, false, &ok);
  if (!ok) return 0;
  const auto at = items.indexOf(picked);
  return at >= 0 ? choices[static_cast<std::size_t>(at)].key : 0;
}

QDialogButtonBox* OkCancel(QDialog* d) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
  QObject::connect(box, &QDialogButtonBox::accepted, d, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, d, &QDialog::reject);
  return box;
}

}  // namespace

ExpandedDialog::ExpandedDialog(ExpandedInfo& info, QWidget* parent) : QDialog(parent), info_(info) {
  setWindowTitle(qt::Text(str::kRecExpandedTitle));
  auto* form = new QFormLayout(this);
  form->addRow(
      new QLabel(qt::Text(str::kRecAllOptional) + "\n" + qt::Text(str::kRecMayLeaveBlank), this));
  full_name = Edit(this, 60, info.full_name);
  other = Edit(this, 60, info.other_info);
  need = Edit(this, 90, info.need);
  form->addRow(qt::Text(str::kRecFullName), full_name);
  form->addRow(qt::Text(str::kRecOtherInformation), other);
  form->addRow(qt::Text(str::kRecSpecialNeed), need);
  warning = new QLabel(this);
  form->addRow(warning);
  auto* use = new QPushButton(qt::Text(str::kRecUseSharedNeed), this);
  auto* stop = new QPushButton(qt::Text(str::kRecStopSharedNeed), this);
  form->addRow(use, stop);
  connect(use, &QPushButton::clicked, this, [this] {
    if (auto key = PickShared(info_.shared_choices(), this, str::kRecUseSharedNeed)) {
      info_.UseShared(key);
      need->setText(qt::FromAnsi(info_.need));
      Show();
    }
  });
  connect(stop, &QPushButton::clicked, this, [this] {
    info_.StopSharing();
    need->clear();
    Show();
  });
  form->addRow(OkCancel(this));
  Show();
}

void ExpandedDialog::Show() {
  warning->setText(qt::FromAnsi(info_.warning()));
}

void ExpandedDialog::accept() {
  info_.full_name = qt::ToAnsi(full_name->text());
  info_.other_info = qt::ToAnsi(other->text());
  info_.need = qt::ToAnsi(need->text());
  if (Status s = info_.Apply(); !s) {
    QMessageBox::warning(this, windowTitle(), qt::FromAnsi(s.error().text));
    return;
  }
  QDialog::accept();
}

ContactDialog::ContactDialog(EmergencyContactEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setWindowTitle(qt::Text(str::kRecEmergencyContactButton));
  auto* form = new QFormLayout(this);
  name = Edit(this, 95, editor.name);
  home = Edit(this, 15, editor.home);
  mobile = Edit(this, 15, editor.mobile);
  work = Edit(this, 15, editor.work);
  info = Edit(this, 95, editor.info);
  witness = new QCheckBox(qt::Text(str::kRecWitnessBox), this);
  witness->setChecked(editor.witness);
  form->addRow(qt::Text(str::kRecFirstName), name);
  form->addRow(qt::Text(str::kRecHomePhone), home);
  form->addRow(qt::Text(str::kRecMobilePhone), mobile);
  form->addRow(qt::Text(str::kRecWorkPhone), work);
  form->addRow(qt::Text(str::kRecAdditionalInformation), info);
  form->addRow(witness);
  warning = new QLabel(this);
  form->addRow(warning);
  auto* use = new QPushButton(qt::Text(str::kRecUseSharedContact), this);
  auto* stop = new QPushButton(qt::Text(str::kRecStopSharedContact), this);
  form->addRow(use, stop);
  connect(use, &QPushButton::clicked, this, [this] {
    if (auto key = PickShared(editor_.shared_choices(), this, str::kRecUseSharedContact)) {
      editor_.UseShared(key);
      name->setText(qt::FromAnsi(editor_.name));
      home->setText(qt::FromAnsi(editor_.home));
      mobile->setText(qt::FromAnsi(editor_.mobile));
      work->setText(qt::FromAnsi(editor_.work));
      info->setText(qt::FromAnsi(editor_.info));
      witness->setChecked(editor_.witness);
      Show();
    }
  });
  connect(stop, &QPushButton::clicked, this, [this] {
    editor_.StopSharing();
    for (QLineEdit* e : {name, home, mobile, work, info}) e->clear();
    witness->setChecked(false);
    Show();
  });
  form->addRow(OkCancel(this));
  Show();
}

void ContactDialog::Show() {
  warning->setText(qt::FromAnsi(editor_.warning()));
}

void ContactDialog::accept() {
  editor_.name = qt::ToAnsi(name->text());
  editor_.home = qt::ToAnsi(home->text());
  editor_.mobile = qt::ToAnsi(mobile->text());
  editor_.work = qt::ToAnsi(work->text());
  editor_.info = qt::ToAnsi(info->text());
  editor_.witness = witness->isChecked();
  if (Status s = editor_.Apply(); !s) {
    QMessageBox::warning(this, windowTitle(), qt::FromAnsi(s.error().text));
    return;
  }
  QDialog::accept();
}

}  // namespace ledra::records::ui
