#pragma once
// A small congregation in memory for the CSV tests: an empty data folder
// opened on 8 December 2026 (ReportMonth November 2026), with publishers
// added one by one.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "store/document.h"
#include "support/temp_folder.h"

namespace ledra::test {

struct CsvPerson {
  std::uint16_t id = 0;
  std::string_view first, last;
  std::uint8_t group = 0;
  std::uint8_t list_type = 0;
};

class CsvCongregation {
 public:
  CsvCongregation() { EXPECT_EQ(doc.Open({}), store::OpenOutcome::kOpened); }
  int Add(const CsvPerson& person) {
    store::PublisherRecord p;
    p.set_id(person.id);
    p.SetText(store::field::kFname, person.first);
    p.SetText(store::field::kLname, person.last);
    p.set_group(person.group);
    p.SetU8(200, person.list_type);
    p.set_special_ministry_bits(store::kSpecialMinistryValid);
    EXPECT_TRUE(doc.db().AppendRow(p).ok());
    return Refresh(person.id);
  }
  // The lists again after rows were changed directly.
  int Refresh(std::uint16_t id = 0) {
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);
    return id != 0 ? doc.db().FindRow(id) : 0;
  }
  store::PublisherRecord& Person(std::uint16_t id) { return doc.db().row(doc.db().FindRow(id)); }
  // The ReportMonth's slot (November 2026).
  static constexpr int kSlot = 10 * 3 + 0;

  TempFolder folder;
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

}  // namespace ledra::test
