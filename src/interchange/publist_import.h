#pragma once
// Reading a publisher list written as XML ("PUBLIST") back into a
// congregation: the file's validation, the entries offered with their
// duplicates, and, for each chosen one, updating the matching publisher or
// adding a new one.

#include <cstdint>
#include <string>
#include <vector>

#include "interchange/publist_export.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::interchange {

inline constexpr int kMaxImportCount = 299;
inline constexpr int kMaxStudentsImported = 99;

struct PubListEntry {
  int index = 0;          // the n-th Pub of the section
  long long file_id = 0;  // 0 without an id
  std::string fname, lname;
  std::string display;             // as the lists show it, " *" after a duplicate
  std::uint16_t duplicate_of = 0;  // the publisher of the same name in the list
};

struct PubListFile {
  PubListSection section = PubListSection::kActive;
  int version = 0;  // the Agent's Ver
  std::vector<PubListEntry> entries;
  xml::XmlDocument document;
};

// The file loaded and checked: root PUBLIST, a Count of 1 to 299, a section,
// and names on every Pub; otherwise the message of string 23454.
Result<PubListFile> ReadPubList(const platform::Path& file, const store::CongregationDatabase& db);
Result<PubListFile> ReadPubListBytes(std::string_view bytes, const store::CongregationDatabase& db);

// "Publicadores Ativos 20 + 3 = 23", and whether that is too many.
struct ImportTally {
  std::string line;
  bool too_many = false;
};
ImportTally TallyOf(const store::CongregationDatabase& db, const PubListFile& file,
                    const std::vector<int>& chosen);

enum class DuplicateChoice { kUpdate, kNew };

struct ImportOutcome {
  std::vector<std::uint16_t> added, updated;
};

// Imports the chosen entries (indexes into file.entries) in that order.
Result<ImportOutcome> ImportPubList(store::Document& doc, const PubListFile& file,
                                    const std::vector<int>& chosen, DuplicateChoice duplicates,
                                    Prompter& prompter);

// Leading digits with a sign; anything else reads as 0.
long long LeadingNumber(std::string_view text);

// "7.5", "7½" and "7.50" are seven and a half hours; "7.3" is seven.
std::pair<int, int> ParseHoursText(std::string_view text);

}  // namespace ledra::interchange
