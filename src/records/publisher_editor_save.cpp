// Saving the editor's working copy into the table, walking and copying.
#include <algorithm>

#include "records/appointment_entries.h"
#include "records/bible_students.h"
#include "records/publisher_editor.h"
#include "records/record_placement.h"
#include "records/text_guard.h"
#include "store/name_collation.h"

namespace ledra::records {
namespace {

std::string Cut(std::string_view text, std::size_t limit) {
  return std::string(text.substr(0, limit));
}

}  // namespace

void PublisherEditor::WriteFormInto(store::PublisherRecord& rec) const {
  const PublisherForm& f = form_;
  rec.SetText(store::field::kFname, Cut(f.first, kNameLimit));
  rec.SetText(store::field::kLname, Cut(f.last, kNameLimit));
  rec.SetText(store::field::kAddr, Cut(f.address, kAddressLimit));
  rec.SetText(store::field::kPhone, Cut(f.home, kPhoneLimit));
  rec.SetText(store::field::kPhone2, Cut(f.mobile, kPhoneLimit));
  rec.SetText(store::field::kPhone3, Cut(f.work, kPhoneLimit));
  rec.SetText(store::field::kBirdate, ComposeDate(f.birth));
  rec.SetText(store::field::kBapdate, ComposeDate(f.baptism));
  std::uint8_t a = rec.attribute_flags() & 0x80;  // bit 7 is not ours: carried
  if (f.elder)
    a |= 2;
  else if (f.ministerial_servant)
    a |= 1;
  else if (f.baptised_brother)
    a |= 3;
  if (f.head_of_family) a |= store::attr::kHeadOfFamily;
  if (f.regular_auxiliary) a |= store::attr::kRegularAuxiliary;
  if (f.special_category) a |= store::attr::kSpecialCategory;
  if (f.male) a |= store::attr::kMale;
  if (f.female) a |= store::attr::kFemale;
  rec.SetU8(239, a);
  std::uint16_t ap = rec.appointment_bits() &
                     ~(store::kAppointmentSpecialServant | store::kAppointmentFieldMissionary);
  if (f.special_servant) ap |= store::kAppointmentSpecialServant;
  if (f.field_missionary) ap |= store::kAppointmentFieldMissionary;
  rec.SetU16(194, ap);
  std::uint16_t sm = (rec.special_ministry_bits() & ~0x7u) | store::kSpecialMinistryValid;
  if (f.deaf) sm |= 1;
  if (f.blind) sm |= 2;
  if (f.prisoners) sm |= 4;
  rec.set_special_ministry_bits(sm);
  rec.SetU8(180, f.anointed ? 'A' : 'O');
  rec.set_group(f.group);
  const int s = slot();
  const std::uint8_t old = rec.pioneer_code(s);
  std::uint8_t code = 0;
  if (f.special_pioneer)
    code = 3;
  else if (f.regular_pioneer)
    code = 2;
  else if ((old & 3) == 1 || f.regular_auxiliary)
    code = 1;
  rec.set_pioneer_code(s, static_cast<std::uint8_t>((old & ~3u) | code));
}

void PublisherEditor::WriteStudentFormInto(store::PublisherRecord& rec) const {
  const PublisherForm& f = form_;
  const PublisherForm& o = opened_;
  auto text = [&rec](const std::string& now, const std::string& before, store::TextField field,
                     std::size_t limit) {
    if (now != before) rec.SetText(field, Cut(now, limit));
  };
  text(f.first, o.first, store::field::kFname, kNameLimit);
  text(f.last, o.last, store::field::kLname, kNameLimit);
  text(f.address, o.address, store::field::kAddr, kAddressLimit);
  text(f.home, o.home, store::field::kPhone, kPhoneLimit);
  text(f.mobile, o.mobile, store::field::kPhone2, kPhoneLimit);
  text(f.work, o.work, store::field::kPhone3, kPhoneLimit);
  if (ComposeDate(f.birth) != ComposeDate(o.birth))
    rec.SetText(store::field::kBirdate, ComposeDate(f.birth));
  std::uint8_t a = rec.attribute_flags();
  auto bit = [&a](bool now, bool before, std::uint8_t mask) {
    if (now != before) a = static_cast<std::uint8_t>(now ? a | mask : a & ~mask);
  };
  bit(f.male, o.male, store::attr::kMale);
  bit(f.female, o.female, store::attr::kFemale);
  bit(f.head_of_family, o.head_of_family, store::attr::kHeadOfFamily);
  rec.SetU8(239, a);
  if (f.group != o.group) rec.set_group(f.group);
  std::uint16_t sm = rec.special_ministry_bits();
  const std::pair<bool, bool> needs[] = {
      {f.deaf, o.deaf}, {f.blind, o.blind}, {f.prisoners, o.prisoners}};
  for (std::size_t i = 0; i < std::size(needs); ++i) {
    if (needs[i].first == needs[i].second) continue;
    const auto mask = static_cast<std::uint16_t>(1u << i);
    sm = static_cast<std::uint16_t>((needs[i].first ? sm | mask : sm & ~mask) |
                                    store::kSpecialMinistryValid);
  }
  rec.set_special_ministry_bits(sm);
}

Status PublisherEditor::CheckTexts() const {
  const std::uint8_t base = doc_.scramble_base();
  const std::pair<std::string_view, store::TextField> texts[] = {
      {form_.first, store::field::kFname},   {form_.last, store::field::kLname},
      {form_.address, store::field::kAddr},  {form_.home, store::field::kPhone},
      {form_.mobile, store::field::kPhone2}, {form_.work, store::field::kPhone3},
  };
  for (const auto& [text, field] : texts) {
    if (Status s = CheckStorable(text, field, base); !s) return s;
  }
  if (Status s = CheckStorable(ComposeDate(form_.birth), store::field::kBirdate, base); !s)
    return s;
  return CheckStorable(ComposeDate(form_.baptism), store::field::kBapdate, base);
}

Result<SaveResult> PublisherEditor::Save(const SaveHooks& hooks) {
  if (doc_.read_only()) return SaveResult::kNotSaved;
  if (store::TrimBlanks(form_.last).empty()) return SaveResult::kNotSaved;
  if (student() && !StudentSurnameAccepted(form_.last)) return SaveResult::kNotSaved;
  // Saving straight from a name field (Enter on OK) leaves it too.
  FinishNames();
  if (Status s = CheckTexts(); !s) return s.error();
  auto& db = doc_.db();
  if (mode_ == EditorMode::kAdd && db.count() >= store::kMaxRecords) {
    // Refused before the status dialog so nothing at all changes.
    if (Status s = db.AppendRow(working_); !s) return s.error();
  }
  if (mode_ == EditorMode::kAdd && !student()) {
    if (!hooks.ask_status || !hooks.ask_status(working_)) return SaveResult::kNotSaved;
  }
  if (student())
    WriteStudentFormInto(working_);
  else
    WriteFormInto(working_);
  const std::uint16_t pid = id();
  auto& appts = db.side.appointments;
  const std::pair<bool, bool> ticks[] = {
      {form_.ministerial_servant, opened_.ministerial_servant},
      {form_.elder, opened_.elder},
      {form_.regular_pioneer, opened_.regular_pioneer},
      {form_.regular_auxiliary, opened_.regular_auxiliary},
      {form_.special_pioneer, opened_.special_pioneer},
  };
  const std::uint16_t kinds[] = {kKindMinisterialServant, kKindElder, kKindRegularPioneer,
                                 kKindAuxiliaryIndefinite, kKindSpecialPioneer};
  for (std::size_t i = 0; i < std::size(ticks); ++i) {
    // Only a new tick: the dates of an existing entry stay.
    if (ticks[i].first && !ticks[i].second) EnsureAppointment(appts, pid, kinds[i]);
  }
  // A student is shown no consent box.
  if (!student() && form_.consent) {
    SetAppointmentStart(appts, pid, kKindConsent, ComposeDate(form_.consent_date));
  } else if (!student()) {
    for (auto& e : appts) {
      if (e.id() == pid && e.kind() == kKindConsent) {
        e.set_text(4, 9, "");
        e.set_u16(2, 0);
      }
    }
  }

  int row = 0;
  if (mode_ == EditorMode::kAdd) {
    if (Status s = db.AppendRow(working_); !s) return s.error();
    const PlaceOutcome placed = PlaceRow(db, db.count() - 1, PlaceMode::kAdded, prompter_);
    db.modified = true;
    if (placed.row == 0) {
      RemoveAppointmentsOf(appts, pid);
      db.RebuildIndexes(prompter_);
      return SaveResult::kDropped;
    }
    row = placed.row;
    mode_ = EditorMode::kEdit;
  } else {
    row = db.FindRow(pid);
    if (row == 0) return SaveResult::kNotSaved;
    const bool renamed =
        db.row(row).fname() != working_.fname() || db.row(row).lname() != working_.lname();
    db.row(row) = working_;
    if (renamed) row = PlaceRow(db, row, PlaceMode::kEdited, prompter_).row;
  }
  db.modified = true;
  // The e-mail lives beside the record.
  extension_.set_text(67, 51, form_.email);
  if (extension_.bytes != extension_opened_.bytes) {
    if (Status s = doc_.WriteExtension(row, extension_); !s) return s.error();
    extension_opened_ = extension_;
  }
  db.RebuildIndexes(prompter_);
  working_ = db.row(db.FindRow(pid));
  original_ = working_;
  opened_ = form_;
  return SaveResult::kSaved;
}

Result<SaveResult> PublisherEditor::Step(int delta, PublisherChooser& chooser,
                                         const SaveHooks& hooks) {
  auto saved = Save(hooks);
  if (!saved.ok() || *saved != SaveResult::kSaved) return saved;
  chooser.Refill();
  chooser.SelectId(id());
  chooser.Move(delta);
  const int r = doc_.db().FindRow(chooser.selected_id());
  if (r > 0) Load(r);
  return saved;
}

void PublisherEditor::Cancel() {
  if (mode_ == EditorMode::kAdd) RemoveAppointmentsOf(doc_.db().side.appointments, id());
}

Result<SaveResult> PublisherEditor::Copy(const SaveHooks& hooks) {
  auto saved = Save(hooks);
  if (saved.ok() && *saved == SaveResult::kSaved)
    copied_ = Copied{form_.address, form_.home, form_.group};
  return saved;
}

}  // namespace ledra::records
