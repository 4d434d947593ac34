#pragma once
// A data folder with a few people, opened as the program opens it. Today is
// 8 January 2026, so the ReportMonth is December 2025.

#include <gtest/gtest.h>

#include <string>

#include "platform/prompter.h"
#include "store/document.h"
#include "store/settings.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::records {

class RecordsTest : public ::testing::Test {
 protected:
  // People in file order; each list type as given.
  void OpenWith(const std::string& people) {
    WriteFixture(folder.path() / "tdat9.bin", test::HeaderRecord(23) + people);
    ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened);
  }
  void OpenDefault() {
    OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") +
             test::PersonRecord(23, 102, "Bruno", "Costa") +
             test::PersonRecord(23, 103, "Carla", "Dias"));
  }
  int RowOf(std::uint16_t id) const { return doc.db().FindRow(id); }
  void Reopen() {
    ASSERT_TRUE(doc.SaveCommand(false).ok());
    store::Document again(folder.path(), clock, prompter);
    ASSERT_EQ(again.Open({}), store::OpenOutcome::kOpened);
    reopened_rows = again.db().rows();
    reopened_appointments = again.db().side.appointments;
  }

  FixedClock clock{Date{2026, 1, 8}};
  ScriptedPrompter prompter;
  TempFolder folder;
  store::Document doc{folder.path(), clock, prompter};
  store::Settings settings;
  std::vector<store::PublisherRecord> reopened_rows;
  std::vector<store::AppointmentEntry> reopened_appointments;
};

}  // namespace ledra::records
