#pragma once
// A congregation built by hand for the status rules: people appended with a
// name, a list and a group, reports and status bytes set slot by slot.

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "platform/prompter.h"
#include "store/congregation_database.h"

namespace ledra::activity::test {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;

class StatusCongregation : public ::testing::Test {
 protected:
  // Today 9 December 2026: the ReportMonth is November 2026 (slot 30).
  void SetUp() override { SetToday(2026, 12, 9); }

  void SetToday(int year, int month, int day) { db.SetToday(year, month, day); }
  void SetMonthState(int month_index, std::uint8_t state) {
    db.header().bytes[store::header::kMonthStates + month_index] = state;
  }
  PublisherRecord& Add(std::uint16_t id, std::string_view first, std::string_view last,
                       ListType list = ListType::kActive, std::uint8_t group = 0) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, first);
    p.SetText(store::field::kLname, last);
    p.set_list_type(list);
    p.set_group(group);
    EXPECT_TRUE(db.AppendRow(p).ok());
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    return Row(id);
  }
  PublisherRecord& Row(std::uint16_t id) { return db.row(db.FindRow(id)); }

  // A report as the sheet stores it: the participated mark and hours.
  static void Report(PublisherRecord& p, int slot, int hours = 0) {
    p.set_word(SlotWords::kStudiesWord, slot,
               static_cast<std::uint16_t>(p.word(SlotWords::kStudiesWord, slot) | 0x0800));
    p.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(hours));
  }
  static void ReportSlots(PublisherRecord& p, std::initializer_list<int> slots, int hours = 0) {
    for (int slot : slots) Report(p, slot, hours);
  }
  void Remark(PublisherRecord& p, int slot, std::string_view text) {
    store::RemarkRecord r;
    r.text = std::string(text);
    r.id = p.id();
    db.side.remarks.push_back(r);
    p.set_word(SlotWords::kRemarkIndex, slot,
               static_cast<std::uint16_t>(db.side.remarks.size() - 1));
  }
  static void SetStatus(PublisherRecord& p, std::uint8_t change, std::uint8_t copy,
                        std::uint16_t counter = 0) {
    p.SetU8(201, change);
    p.SetU8(238, copy);
    p.SetU16(192, counter);
  }

  store::CongregationDatabase db;
  ScriptedPrompter prompter;
};

// Slots of 2026 (even year) and 2025 (odd year) by month number 1-12.
constexpr int Slot26(int month) {
  return (month - 1) * 3;
}
constexpr int Slot25(int month) {
  return (month - 1) * 3 + 1;
}

}  // namespace ledra::activity::test
