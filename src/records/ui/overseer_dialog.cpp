#include "records/ui/overseer_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "records/publisher_form.h"

namespace ledra::records::ui {

OverseerDialog::OverseerDialog(CircuitOverseerEditor& editor, Prompter& prompter, QWidget* parent)
    : QDialog(parent), editor_(editor), prompter_(prompter) {
  setWindowTitle(qt::Text(str::kOverseerTitle));
  auto* form = new QFormLayout(this);
  OverseerForm& f = editor.form();
  const std::tuple<QLineEdit**, std::string*, std::size_t, int> fields[] = {
      {&first, &f.first, kNameLimit, str::kRecFirstName},
      {&last, &f.last, kNameLimit, str::kRecSurname},
      {&address, &f.address, kAddressLimit, str::kRecAddress},
      {&phone, &f.phone, kPhoneLimit, str::kOverseerPhone},
      {&mobile, &f.mobile, kPhoneLimit, str::kRecMobilePhone},
      {&other_phone, &f.other_phone, kPhoneLimit, str::kOverseerOtherPhone},
      {&email, &f.email, kEmailLimit, str::kRecEmail},
  };
  for (const auto& [edit, text, limit, caption] : fields) {
    *edit = new QLineEdit(qt::FromAnsi(*text), this);
    (*edit)->setMaxLength(static_cast<int>(limit));
    (*edit)->setReadOnly(editor.read_only());
    form->addRow(qt::Text(caption), *edit);
  }
  auto* buttons = new QHBoxLayout;
  ok = new QPushButton(qt::Text(str::kRecOkButton), this);
  cancel = new QPushButton(qt::Text(str::kRecCancelButton), this);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  form->addRow(buttons);
  ok->setDefault(true);
  ok->setVisible(!editor.read_only());
  connect(ok, &QPushButton::clicked, this, [this] {
    OverseerForm& f = editor_.form();
    f.first = qt::ToAnsi(first->text());
    f.last = qt::ToAnsi(last->text());
    f.address = qt::ToAnsi(address->text());
    f.phone = qt::ToAnsi(phone->text());
    f.mobile = qt::ToAnsi(mobile->text());
    f.other_phone = qt::ToAnsi(other_phone->text());
    f.email = qt::ToAnsi(email->text());
    auto saved = editor_.Save(prompter_);
    if (!saved) {
      prompter_.Inform(saved.error().text);
      return;
    }
    changed_ = *saved;
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool RunOverseerEditing(store::Document& doc, Prompter& prompter, QWidget* parent) {
  CircuitOverseerEditor editor(doc);
  OverseerDialog d(editor, prompter, parent);
  d.exec();
  return d.changed();
}

}  // namespace ledra::records::ui
