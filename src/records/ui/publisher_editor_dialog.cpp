#include "records/ui/publisher_editor_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "records/household.h"
#include "records/privileges.h"
#include "records/publisher_deletion.h"
#include "records/side_records.h"
#include "records/status_choice.h"
#include "records/ui/date_lists.h"
#include "records/ui/person_side_dialogs.h"
#include "records/ui/shared_record_dialogs.h"

namespace ledra::records::ui {
namespace {

QLineEdit* LineEdit(QWidget* parent, int limit) {
  auto* e = new QLineEdit(parent);
  e->setMaxLength(limit);
  return e;
}

void SetChecked(QAbstractButton* b, bool on) {
  const QSignalBlocker block(b);
  b->setChecked(on);
}

}  // namespace

PublisherEditorDialog::PublisherEditorDialog(PublisherEditor& editor, PublisherChooser* chooser,
                                             Prompter& prompter, QWidget* parent)
    : QDialog(parent), editor_(editor), chooser_(chooser), prompter_(prompter) {
  setWindowTitle(qt::Text(str::kRecEditorTitle));
  Build();
  Push();
}

PublisherEditorDialog::~PublisherEditorDialog() {
  // The focus leaving a name field as the widgets go is no edit to finish.
  for (QLineEdit* name : {first, last}) name->disconnect(this);
}

void PublisherEditorDialog::Build() {
  // One form: every field beside its label, the tick boxes and buttons across both columns.
  form_ = new QFormLayout(this);
  form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  auto add_row = [&](int caption, QWidget* w) {
    auto* label = new QLabel(qt::Text(caption), this);
    label->setBuddy(w);
    form_->addRow(label, w);
  };
  first = LineEdit(this, static_cast<int>(kNameLimit));
  last = LineEdit(this, static_cast<int>(kNameLimit));
  address = LineEdit(this, static_cast<int>(kAddressLimit));
  home = LineEdit(this, static_cast<int>(kPhoneLimit));
  mobile = LineEdit(this, static_cast<int>(kPhoneLimit));
  work = LineEdit(this, static_cast<int>(kPhoneLimit));
  email = LineEdit(this, 50);
  add_row(str::kRecFirstName, first);
  add_row(str::kRecSurname, last);
  add_row(str::kRecAddress, address);
  add_row(str::kRecHomePhone, home);
  add_row(str::kRecMobilePhone, mobile);
  add_row(str::kRecWorkPhone, work);
  add_row(str::kRecEmail, email);
  birth = new DateLists(editor_.years(), this);
  baptism = new DateLists(editor_.years(), this);
  add_row(str::kRecBirthDate, birth);
  add_row(str::kRecBaptismDate, baptism);

  auto box = [&](Box b, int caption, bool radio) {
    QAbstractButton* w =
        radio ? static_cast<QAbstractButton*>(new QRadioButton(qt::Text(caption), this))
              : new QCheckBox(qt::Text(caption), this);
    if (radio) static_cast<QRadioButton*>(w)->setAutoExclusive(false);
    boxes[b] = w;
    connect(w, &QAbstractButton::clicked, this, [this, b](bool on) {
      Pull();
      editor_.Tick(b, on);
      Push();
    });
    return w;
  };
  auto check = [&](int caption) { return new QCheckBox(qt::Text(caption), this); };
  auto* ticks = new QGridLayout;
  ticks->addWidget(box(Box::kMale, str::kRecMale, true), 0, 0);
  ticks->addWidget(box(Box::kFemale, str::kRecFemale, true), 0, 1);
  ticks->addWidget(box(Box::kElder, str::kRecElder, false), 1, 0);
  ticks->addWidget(box(Box::kMinisterialServant, str::kRecMinisterialServant, false), 1, 1);
  ticks->addWidget(box(Box::kBaptisedBrother, str::kRecBaptisedBrother, false), 1, 2);
  ticks->addWidget(box(Box::kRegularPioneer, str::kRecRegularPioneer, false), 2, 0);
  ticks->addWidget(box(Box::kSpecialPioneer, str::kRecSpecialPioneer, false), 2, 1);
  ticks->addWidget(box(Box::kRegularAuxiliary, str::kRecRegularAuxiliary, false), 2, 2);
  head = check(str::kRecHeadOfFamily);
  anointed = check(str::kRecAnointed);
  special_category = new QCheckBox(qt::FromAnsi(editor_.special_category_caption()), this);
  special_servant = check(str::kRecSpecialServant);
  field_missionary = check(str::kRecFieldMissionary);
  deaf = check(str::kRecDeaf);
  blind = check(str::kRecBlind);
  prisoners = check(str::kRecPrisoners);
  ticks->addWidget(head, 3, 0);
  ticks->addWidget(anointed, 3, 1);
  ticks->addWidget(special_category, 3, 2);
  ticks->addWidget(special_servant, 4, 0);
  ticks->addWidget(field_missionary, 4, 1);
  ticks->addWidget(deaf, 5, 0);
  ticks->addWidget(blind, 5, 1);
  ticks->addWidget(prisoners, 5, 2);
  form_->addRow(ticks);
  consent = check(str::kRecConsent);
  consent_date = new DateLists(editor_.years(), this);
  form_->addRow(consent);
  add_row(str::kRecConsentDate, consent_date);
  connect(head, &QCheckBox::clicked, this, [this] {
    Pull();
    Push();
  });
  connect(consent, &QCheckBox::clicked, this, [this] {
    Pull();
    Push();
  });
  connect(first, &QLineEdit::textEdited, this, [this](const QString& t) {
    editor_.SetFirstName(qt::ToAnsi(t));
    Push();
  });
  connect(last, &QLineEdit::textEdited, this, [this](const QString& t) {
    editor_.SetSurname(qt::ToAnsi(t));
    Push();
  });
  // The shortening of a long first name waits until the user leaves the field.
  for (QLineEdit* name : {first, last}) {
    connect(name, &QLineEdit::editingFinished, this, [this] {
      Pull();
      editor_.FinishNames();
      Push();
    });
  }

  auto button = [&](int caption) { return new QPushButton(qt::Text(caption), this); };
  household = new QPushButton(this);
  group = new QPushButton(this);
  status = button(str::kRecStatusButton);
  privileges = button(str::kRecPrivilegesButton);
  expanded = button(str::kRecFullNameButton);
  auto* needs = button(str::kRecSpecialNeedsButton);
  contact = button(str::kRecEmergencyContactButton);
  copy = new QPushButton(this);
  forget = button(str::kRecDeleteButton);
  // Two rows, so the dialog stays narrower than a small screen.
  auto button_row = [&](std::initializer_list<QPushButton*> row) {
    auto* side = new QHBoxLayout;
    for (QPushButton* b : row) side->addWidget(b);
    form_->addRow(side);
  };
  button_row({household, group, status, privileges});
  button_row({expanded, needs, contact, copy, forget});
  ok = button(str::kRecOkButton);
  remove = button(str::kRecEditorDeleteButton);
  previous = button(str::kRecPreviousButton);
  next = button(str::kRecNextButton);
  cancel = button(str::kRecCancelButton);
  auto* bottom = new QHBoxLayout;
  for (QPushButton* b : {ok, remove, previous, next, cancel}) bottom->addWidget(b);
  form_->addRow(bottom);
  for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);

  connect(ok, &QPushButton::clicked, this, [this] {
    Pull();
    if (RunSave(editor_.Save(Hooks()))) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(previous, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(next, &QPushButton::clicked, this, [this] { Step(+1); });
  connect(remove, &QPushButton::clicked, this, &PublisherEditorDialog::Delete);
  connect(copy, &QPushButton::clicked, this, [this] {
    if (editor_.has_copied()) {
      Pull();
      editor_.Paste();
      Push();
    } else {
      Pull();
      RunSave(editor_.Copy(Hooks()));
    }
  });
  connect(forget, &QPushButton::clicked, this, [this] {
    editor_.ForgetCopied();
    Push();
  });
  connect(household, &QPushButton::clicked, this, [this] {
    Pull();
    HouseholdEditor h(editor_.doc().db(), editor_.household_head(), editor_.form().head_of_family);
    HouseholdDialog(h, this).exec();
    Push();
  });
  connect(group, &QPushButton::clicked, this, [this] {
    Pull();
    const int g = ChooseGroup(editor_.doc().db().side.groups, editor_.form().group, this);
    if (g >= 0) editor_.mutable_form().group = static_cast<std::uint8_t>(g);
    Push();
  });
  connect(status, &QPushButton::clicked, this, &PublisherEditorDialog::OpenStatus);
  connect(privileges, &QPushButton::clicked, this, &PublisherEditorDialog::OpenPrivileges);
  auto open_expanded = [this] {
    Pull();
    ExpandedInfo info(editor_.doc(), editor_.working(), editor_.extension());
    ExpandedDialog(info, this).exec();
  };
  connect(expanded, &QPushButton::clicked, this, open_expanded);
  connect(needs, &QPushButton::clicked, this, open_expanded);
  connect(contact, &QPushButton::clicked, this, [this] {
    Pull();
    EmergencyContactEditor c(editor_.doc(), editor_.working());
    ContactDialog(c, this).exec();
  });
}

void PublisherEditorDialog::Push() {
  if (pushing_) return;
  pushing_ = true;
  const PublisherForm& f = editor_.form();
  auto text = [](QLineEdit* e, const std::string& s) {
    const QString q = qt::FromAnsi(s);
    if (e->text() != q) {
      const int pos = e->cursorPosition();
      e->setText(q);
      e->setCursorPosition(std::min(pos, static_cast<int>(q.size())));
    }
  };
  text(first, f.first);
  text(last, f.last);
  text(address, f.address);
  text(home, f.home);
  text(mobile, f.mobile);
  text(work, f.work);
  text(email, f.email);
  birth->set_value(f.birth);
  baptism->set_value(f.baptism);
  consent_date->set_value(f.consent_date);
  SetChecked(boxes[Box::kMale], f.male);
  SetChecked(boxes[Box::kFemale], f.female);
  SetChecked(boxes[Box::kElder], f.elder);
  SetChecked(boxes[Box::kMinisterialServant], f.ministerial_servant);
  SetChecked(boxes[Box::kBaptisedBrother], f.baptised_brother);
  SetChecked(boxes[Box::kRegularPioneer], f.regular_pioneer);
  SetChecked(boxes[Box::kSpecialPioneer], f.special_pioneer);
  SetChecked(boxes[Box::kRegularAuxiliary], f.regular_auxiliary);
  SetChecked(head, f.head_of_family);
  SetChecked(anointed, f.anointed);
  SetChecked(special_category, f.special_category);
  SetChecked(special_servant, f.special_servant);
  SetChecked(field_missionary, f.field_missionary);
  SetChecked(deaf, f.deaf);
  SetChecked(blind, f.blind);
  SetChecked(prisoners, f.prisoners);
  SetChecked(consent, f.consent);
  head->setEnabled(editor_.head_box_enabled());
  const std::string ht = editor_.household_button_text();
  household->setText(qt::FromAnsi(ht));
  household->setVisible(!ht.empty());
  group->setText(qt::FromAnsi(editor_.group_button_text()));
  form_->setRowVisible(consent_date, editor_.consent_dates_visible());
  special_servant->setVisible(editor_.special_servant_visible());
  field_missionary->setVisible(editor_.field_missionary_visible());
  special_category->setVisible(editor_.special_category_visible());
  remove->setVisible(editor_.delete_visible());
  previous->setVisible(editor_.walk_visible() && chooser_ != nullptr);
  next->setVisible(editor_.walk_visible() && chooser_ != nullptr);
  copy->setText(qt::FromAnsi(editor_.copy_button_text()));
  forget->setVisible(editor_.has_copied());
  pushing_ = false;
}

void PublisherEditorDialog::Pull() {
  PublisherForm& f = editor_.mutable_form();
  f.address = qt::ToAnsi(address->text());
  f.home = qt::ToAnsi(home->text());
  f.mobile = qt::ToAnsi(mobile->text());
  f.work = qt::ToAnsi(work->text());
  f.email = qt::ToAnsi(email->text());
  f.birth = birth->value();
  f.baptism = baptism->value();
  f.consent_date = consent_date->value();
  if (head->isEnabled()) f.head_of_family = head->isChecked();
  f.anointed = anointed->isChecked();
  f.special_category = special_category->isChecked();
  f.special_servant = special_servant->isChecked();
  f.field_missionary = field_missionary->isChecked();
  f.deaf = deaf->isChecked();
  f.blind = blind->isChecked();
  f.prisoners = prisoners->isChecked();
  f.consent = consent->isChecked();
}

SaveHooks PublisherEditorDialog::Hooks() {
  return {[this](store::PublisherRecord& rec) {
    StatusChoice choice(editor_.doc().db(), rec, /*adding=*/true);
    const QString name = first->text() + " " + last->text();
    StatusDialog d(choice, name, this);
    if (d.exec() != QDialog::Accepted) return false;
    choice.Apply(rec);
    return true;
  }};
}

bool PublisherEditorDialog::RunSave(Result<SaveResult> result) {
  if (!result.ok()) {
    prompter_.Inform(result.error().text);
    return false;
  }
  if (*result == SaveResult::kNotSaved) return false;
  changed_ = true;
  Push();
  return true;
}

void PublisherEditorDialog::Step(int delta) {
  Pull();
  if (chooser_ && RunSave(editor_.Step(delta, *chooser_, Hooks()))) Push();
}

void PublisherEditorDialog::Delete() {
  const int row = editor_.row();
  if (row == 0) return;
  DeletionDialog d = OpenDeletion(editor_.doc(), row);
  DeletionDialogUi ui(d, this);
  if (ui.exec() != QDialog::Accepted) return;
  if (Status s = DeletePublisher(editor_.doc(), row, d.choice, prompter_); !s) {
    prompter_.Inform(s.error().text);
    return;
  }
  changed_ = true;
  accept();
}

void PublisherEditorDialog::OpenStatus() {
  Pull();
  StatusChoice choice(editor_.doc().db(), editor_.working());
  StatusDialog d(choice, first->text() + " " + last->text(), this);
  if (d.exec() == QDialog::Accepted) choice.Apply(editor_.working());
}

void PublisherEditorDialog::OpenPrivileges() {
  Pull();
  const PublisherForm& f = editor_.form();
  PrivilegesEditor p(editor_.doc().db().side.appointments, editor_.id(),
                     {f.ministerial_servant, f.elder, f.regular_pioneer, f.regular_auxiliary,
                      f.special_pioneer, f.special_servant, f.field_missionary});
  PrivilegesDialog d(p, editor_.years(), this);
  if (d.exec() != QDialog::Accepted) return;
  p.Apply(editor_.doc().db().side.appointments);
  editor_.doc().db().modified = true;
  editor_.ApplyPrivilegeTicks(p.ticks());
  Push();
}

void PublisherEditorDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && focusWidget() != ok) {
    // Enter moves on; only the focused OK button saves.
    focusNextChild();
    return;
  }
  if (enter && focusWidget() == ok) {
    ok->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ledra::records::ui
