#pragma once
// The "Expandido" dialog (full name, other information, special needs) and
// the emergency contact dialog. Contacts and needs may be shared between
// people: several records carry the same key.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/result.h"
#include "store/document.h"

namespace ledra::records {

struct KeyedEntry {
  std::uint16_t key = 0;
  std::string text;  // ANSI
};

// How many people use a contact (or need) key: the others in the table plus
// the person being edited, whose row may not be saved yet.
int ContactUsers(const store::CongregationDatabase& db, std::uint16_t self_id, std::uint16_t key);
int NeedUsers(const store::CongregationDatabase& db, std::uint16_t self_id, std::uint16_t key);

class ExpandedInfo {
 public:
  // Works on the editor's working record and its extension record.
  ExpandedInfo(store::Document& doc, store::PublisherRecord& working,
               store::ExtensionRecord& extension);

  std::string full_name, other_info, need;  // limits 60, 60, 90
  std::uint16_t need_key() const { return key_; }
  bool shared() const { return NeedUsers(doc_.db(), working_.id(), key_) > 1; }
  // The warning while the need is shared; empty otherwise.
  std::string warning() const;
  // Needs in use that can be taken over.
  std::vector<KeyedEntry> shared_choices() const;
  void UseShared(std::uint16_t key);
  void StopSharing();
  // Writes the texts back; the need record is written (or a new one made).
  Status Apply();

 private:
  store::Document& doc_;
  store::PublisherRecord& working_;
  store::ExtensionRecord& extension_;
  std::uint16_t key_;
};

class EmergencyContactEditor {
 public:
  EmergencyContactEditor(store::Document& doc, store::PublisherRecord& working);

  std::string name, home, mobile, work, info;  // limits 95, 15, 15, 15, 95
  bool witness = false;
  std::uint16_t key() const { return key_; }
  bool shared() const { return ContactUsers(doc_.db(), working_.id(), key_) > 1; }
  std::string warning() const;
  std::vector<KeyedEntry> shared_choices() const;
  void UseShared(std::uint16_t key);
  void StopSharing();
  Status Apply();

 private:
  void LoadFrom(std::uint16_t key);
  store::Document& doc_;
  store::PublisherRecord& working_;
  std::uint16_t key_;
};

}  // namespace ledra::records
