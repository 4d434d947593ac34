#include "records/circuit_overseer.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/publisher_form.h"
#include "records/text_guard.h"

namespace ledra::records {
namespace {

namespace field = store::field;

struct Entry {
  std::string OverseerForm::*text;
  store::TextField field;
  std::size_t limit;
  int label;
};
constexpr Entry kEntries[] = {
    {&OverseerForm::first, field::kFname, kNameLimit, str::kRecFirstName},
    {&OverseerForm::last, field::kLname, kNameLimit, str::kRecSurname},
    {&OverseerForm::address, field::kAddr, kAddressLimit, str::kRecAddress},
    {&OverseerForm::phone, field::kPhone, kPhoneLimit, str::kOverseerPhone},
    {&OverseerForm::mobile, field::kPhone2, kPhoneLimit, str::kRecMobilePhone},
    {&OverseerForm::other_phone, field::kPhone3, kPhoneLimit, str::kOverseerOtherPhone},
};

Status TooLong(int label, std::size_t limit) {
  return Message{
      str::kCliTextTooLong,
      Strings().Format(str::kCliTextTooLong, {Strings().Get(label), std::to_string(limit)})};
}

}  // namespace

CircuitOverseerEditor::CircuitOverseerEditor(store::Document& doc) : doc_(doc) {
  if (const int r = row(); r > 0) {
    const store::PublisherRecord& rec = doc.db().row(r);
    for (const Entry& e : kEntries) opened_.*e.text = rec.Text(e.field);
    if (const auto ext = doc.ReadExtension(r)) opened_.email = ext->email();
  }
  form_ = opened_;
}

int CircuitOverseerEditor::row() const {
  const auto& db = doc_.db();
  const int r = db.circuit_overseer_row();
  return r > 0 && r < db.count() && db.row(r).is(store::ListType::kCircuitOverseer) ? r : 0;
}

Status CircuitOverseerEditor::Check() const {
  for (const Entry& e : kEntries) {
    const std::string& text = form_.*e.text;
    if (text.size() > e.limit) return TooLong(e.label, e.limit);
    if (Status s = CheckStorable(text, e.field, doc_.scramble_base()); !s) return s;
  }
  if (form_.email.size() > kEmailLimit) return TooLong(str::kRecEmail, kEmailLimit);
  return {};
}

Result<bool> CircuitOverseerEditor::Save(Prompter& prompter) {
  if (doc_.read_only() || form_ == opened_) return false;
  if (Status s = Check(); !s) return s.error();
  auto& db = doc_.db();
  int r = row();
  if (r == 0) {
    store::PublisherRecord rec;
    rec.set_id(db.NewId(store::kFirstPersonId));
    rec.set_list_type(store::ListType::kCircuitOverseer);
    rec.set_special_ministry_bits(store::kSpecialMinistryValid);
    rec.SetText(field::kBapdate, std::string(8, ' '));
    rec.SetText(field::kBirdate, std::string(8, ' '));
    if (Status s = db.AppendRow(rec); !s) return s.error();
    // The overseer sorts after everyone: the last row is his place.
    r = db.count() - 1;
  }
  store::PublisherRecord& rec = db.row(r);
  for (const Entry& e : kEntries) {
    const std::string& text = form_.*e.text;
    if (text != opened_.*e.text) rec.SetText(e.field, text);
  }
  db.modified = true;
  if (form_.email != opened_.email) {
    store::ExtensionRecord ext = doc_.ReadExtension(r).value_or(store::ExtensionRecord{});
    ext.set_text(67, 51, form_.email);
    if (Status s = doc_.WriteExtension(r, ext); !s) return s.error();
  }
  opened_ = form_;
  db.RebuildIndexes(prompter);
  return true;
}

}  // namespace ledra::records
