#include "store/publisher_record.h"

#include <gtest/gtest.h>

#include "store/month_slot.h"
#include "store/store_fixtures.h"

namespace ledra::store {
namespace {

TEST(PublisherRecord, EveryFieldAtItsOffset) {
  std::string raw(test::kRec, '\0');
  test::PutText(raw, 2, "Maria");
  test::PutText(raw, 23, "Silva");
  test::PutText(raw, 44, "Rua das Flores 12");
  test::PutText(raw, 107, "211234567");
  test::PutText(raw, 122, "912345678");
  test::PutText(raw, 137, "213334444");
  test::PutText(raw, 152, "03151998");
  test::PutText(raw, 161, "07021970");
  test::PutText(raw, 170, "I5      ");
  raw[179] = 1;
  raw[180] = 'A';
  raw[181] = 7;
  test::Put16(raw, 182, 1234);
  test::Put16(raw, 184, 3);
  test::Put16(raw, 186, 11);
  test::Put16(raw, 188, 1200);
  test::Put16(raw, 190, 12);
  test::Put16(raw, 192, 301);
  test::Put16(raw, 194, 0x0180);
  test::Put16(raw, 196, 0x8005);
  raw[200] = 1;
  raw[201] = static_cast<char>(0x31);
  raw[202 + 35] = 2;
  raw[238] = 73;
  raw[239] = static_cast<char>(0x26);
  test::Put16(raw, 240 + 2 * 4, 5);
  test::Put16(raw, 312 + 2 * 4, 6);
  test::Put16(raw, 384 + 2 * 4, 70);
  test::Put16(raw, 456 + 2 * 4, 8);
  test::Put16(raw, 528 + 2 * 4, 0x2803);
  test::Put16(raw, 600 + 2 * 4, 9);
  test::Put16(raw, 672 + 2 * 4, 10);
  raw[744 + 4] = 24;
  raw[780 + 4] = 3;

  PublisherRecord r;
  std::memcpy(r.bytes.data(), raw.data(), kRecordSize);
  EXPECT_EQ(r.fname(), "Maria");
  EXPECT_EQ(r.lname(), "Silva");
  EXPECT_EQ(r.Text(field::kAddr), "Rua das Flores 12");
  EXPECT_EQ(r.Text(field::kPhone), "211234567");
  EXPECT_EQ(r.Text(field::kPhone2), "912345678");
  EXPECT_EQ(r.Text(field::kPhone3), "213334444");
  EXPECT_EQ(r.Text(field::kBapdate), "03151998");
  EXPECT_EQ(r.Text(field::kBirdate), "07021970");
  EXPECT_EQ(r.Text(field::kDpa), "I5      ");
  EXPECT_EQ(r.dpa_flag(), 1);
  EXPECT_EQ(r.anointed_mark(), 'A');
  EXPECT_EQ(r.group(), 7);
  EXPECT_EQ(r.id(), 1234);
  EXPECT_EQ(r.extension_index(), 3);
  EXPECT_EQ(r.emergency_key(), 11);
  EXPECT_EQ(r.household(), 1200);
  EXPECT_EQ(r.specneed_key(), 12);
  EXPECT_EQ(r.status_counter(), 301);
  EXPECT_EQ(r.appointment_bits(), kAppointmentSpecialServant | kAppointmentFieldMissionary);
  EXPECT_EQ(r.special_ministry_bits(), 0x8005);
  EXPECT_TRUE(r.is(ListType::kInactive));
  EXPECT_EQ(r.status_change(), 0x31);
  EXPECT_EQ(r.pioneer_code(35), 2);
  EXPECT_EQ(r.status_copy(), 73);
  EXPECT_EQ(r.attribute_flags() & attr::kServantMask, 2);
  const int slot = MonthSlot(1, 24);  // February 2024
  EXPECT_EQ(slot, 3);
  EXPECT_EQ(r.word(SlotWords::kPlcmts, 4), 5);
  EXPECT_EQ(r.word(SlotWords::kVideos, 4), 6);
  EXPECT_EQ(r.word(SlotWords::kHours, 4), 70);
  EXPECT_EQ(r.word(SlotWords::kReturnVisits, 4), 8);
  EXPECT_EQ(r.word(SlotWords::kStudiesWord, 4) & studies::kStudiesMask, 3);
  EXPECT_TRUE(r.word(SlotWords::kStudiesWord, 4) & studies::kParticipated);
  EXPECT_EQ(r.word(SlotWords::kStudiesWord, 4) >> studies::kQuarterShift, 2);
  EXPECT_EQ(r.word(SlotWords::kRemarkIndex, 4), 9);
  EXPECT_EQ(r.word(SlotWords::kPioCredit, 4), 10);
  EXPECT_EQ(r.slot_year(4), 24);
  EXPECT_EQ(r.late_month(4), 3);
}

TEST(PublisherRecord, TextsAreCutToTheirFieldAndTerminated) {
  PublisherRecord r;
  r.SetText(field::kFname, "Bartolomeu Constantino");  // 22 characters, room for 20
  EXPECT_EQ(r.fname(), "Bartolomeu Constanti");
  EXPECT_EQ(r.bytes[22], 0);
  EXPECT_EQ(r.bytes[23], 0);  // the next field is untouched
  r.SetText(field::kFname, "Ana");
  EXPECT_EQ(r.fname(), "Ana");
  EXPECT_EQ(r.bytes[6], 0);  // old text no longer trails behind
}

TEST(MonthSlot, CountersServiceYearsAndSlots) {
  EXPECT_EQ(MonthSlot(11, 25), 34);
  EXPECT_EQ(MonthSlot(11, 27), 34);  // two years apart: the same slot
  EXPECT_EQ(MonthSlot(0, 24), 0);
  EXPECT_EQ(MonthCounter(25, 1), 301);  // February 2025
  EXPECT_EQ(ServiceYear(24, 8), 2025);  // September 2024
  EXPECT_EQ(ServiceYear(25, 7), 2025);  // August 2025
  EXPECT_EQ(MonthsBack(1, 3), 10);      // three months before February is November
  EXPECT_EQ(MonthsBack(0, 1), 11);
}

}  // namespace
}  // namespace ledra::store
