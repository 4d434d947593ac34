#include "records/side_records.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/name_collation.h"

namespace ledra::records {
namespace {

template <class KeyOf>
int Users(const store::CongregationDatabase& db, std::uint16_t self_id, std::uint16_t key,
          bool self_uses, KeyOf key_of) {
  if (key == 0) return 0;
  int n = self_uses ? 1 : 0;
  for (int r = 1; r < db.count(); ++r)
    if (db.row(r).id() != self_id && key_of(db.row(r)) == key) ++n;
  return n;
}

std::string Cut(std::string_view t, std::size_t n) {
  return std::string(t.substr(0, n));
}

}  // namespace

int ContactUsers(const store::CongregationDatabase& db, std::uint16_t self_id, std::uint16_t key) {
  return Users(db, self_id, key, true,
               [](const store::PublisherRecord& r) { return r.emergency_key(); });
}

int NeedUsers(const store::CongregationDatabase& db, std::uint16_t self_id, std::uint16_t key) {
  return Users(db, self_id, key, true,
               [](const store::PublisherRecord& r) { return r.specneed_key(); });
}

ExpandedInfo::ExpandedInfo(store::Document& doc, store::PublisherRecord& working,
                           store::ExtensionRecord& extension)
    : doc_(doc), working_(working), extension_(extension), key_(working.specneed_key()) {
  full_name = extension.longname();
  other_info = extension.extra();
  if (const auto* n = doc.FindNeed(key_))
    need = n->need();
  else
    key_ = 0;
}

std::string ExpandedInfo::warning() const {
  return shared() ? Strings().Get(str::kRecSharedNeedWarning) : std::string{};
}

std::vector<KeyedEntry> ExpandedInfo::shared_choices() const {
  std::vector<KeyedEntry> out;
  const auto& side = doc_.db().side;
  for (std::size_t i = 0; i < side.needs.size() && i < side.need_keys.size(); ++i) {
    const std::uint16_t k = side.need_keys[i];
    if (k != 0 && k != key_ && !store::TrimBlanks(side.needs[i].need()).empty())
      out.push_back({k, side.needs[i].need()});
  }
  return out;
}

void ExpandedInfo::UseShared(std::uint16_t key) {
  if (const auto* n = doc_.FindNeed(key)) {
    key_ = key;
    need = n->need();
  }
}

void ExpandedInfo::StopSharing() {
  key_ = 0;
  need.clear();
}

Status ExpandedInfo::Apply() {
  extension_.set_text(2, 65, Cut(full_name, 60));
  extension_.set_text(118, 72, Cut(other_info, 60));
  if (store::TrimBlanks(need).empty()) {
    // Emptied: this person stops using it; a shared text stays for the others.
    working_.set_specneed_key(0);
    return {};
  }
  store::SpecialNeed record;
  record.set_text(2, 94, Cut(need, 90));
  auto key = doc_.WriteNeed(key_, record);
  if (!key) return key.error();
  key_ = *key;
  working_.set_specneed_key(key_);
  return {};
}

EmergencyContactEditor::EmergencyContactEditor(store::Document& doc,
                                               store::PublisherRecord& working)
    : doc_(doc), working_(working), key_(0) {
  LoadFrom(working.emergency_key());
}

void EmergencyContactEditor::LoadFrom(std::uint16_t key) {
  const auto* c = doc_.FindContact(key);
  if (!c) return;
  key_ = key;
  name = c->name();
  home = c->home();
  mobile = c->mobile();
  work = c->work();
  info = c->info();
  witness = c->witness();
}

std::string EmergencyContactEditor::warning() const {
  return shared() ? Strings().Get(str::kRecSharedContactWarning) : std::string{};
}

std::vector<KeyedEntry> EmergencyContactEditor::shared_choices() const {
  std::vector<KeyedEntry> out;
  const auto& side = doc_.db().side;
  for (std::size_t i = 0; i < side.contacts.size() && i < side.contact_keys.size(); ++i) {
    const std::uint16_t k = side.contact_keys[i];
    if (k != 0 && k != key_) out.push_back({k, side.contacts[i].name()});
  }
  return out;
}

void EmergencyContactEditor::UseShared(std::uint16_t key) {
  LoadFrom(key);
}

void EmergencyContactEditor::StopSharing() {
  key_ = 0;
  name = home = mobile = work = info = {};
  witness = false;
}

Status EmergencyContactEditor::Apply() {
  if (store::TrimBlanks(name).empty() && store::TrimBlanks(home).empty() &&
      store::TrimBlanks(mobile).empty() && store::TrimBlanks(work).empty() &&
      store::TrimBlanks(info).empty()) {
    working_.set_emergency_key(0);
    return {};
  }
  store::EmergencyContact c;
  if (const auto* old = doc_.FindContact(key_)) c = *old;  // bytes we do not edit stay
  c.set_text(2, 96, Cut(name, 95));
  c.set_text(98, 96, Cut(info, 95));
  c.set_text(194, 16, Cut(home, 15));
  c.set_text(210, 16, Cut(mobile, 15));
  c.set_text(226, 16, Cut(work, 15));
  c.bytes[242] = witness ? 1 : 0;
  auto key = doc_.WriteContact(key_, c);
  if (!key) return key.error();
  key_ = *key;
  working_.set_emergency_key(key_);
  return {};
}

}  // namespace ledra::records
