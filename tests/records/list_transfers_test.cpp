// The pioneer lists and the transfers between the active, inactive, moved and
// deleted lists: each writes only the bytes it names.

#include "records/list_transfers.h"

#include <gtest/gtest.h>

#include <set>

#include "activity/month_calendar.h"
#include "records/inactive_list.h"
#include "records/moved_list.h"
#include "records/pioneer_list.h"
#include "records/publisher_deletion.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::records {
namespace {

using store::ListType;
using store::PublisherRecord;

// The byte offsets where two records differ.
std::set<std::size_t> Changed(const PublisherRecord& a, const PublisherRecord& b) {
  std::set<std::size_t> at;
  for (std::size_t i = 0; i < a.bytes.size(); ++i)
    if (a.bytes[i] != b.bytes[i]) at.insert(i);
  return at;
}

bool Within(const std::set<std::size_t>& changed, const std::set<std::size_t>& allowed) {
  for (std::size_t i : changed)
    if (!allowed.contains(i)) return false;
  return true;
}

class ListTransfersTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened); }
  // A publisher with activity in every slot, a household, an extension record.
  int Add(std::uint16_t id, ListType list = ListType::kActive) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, "Ana");
    p.SetText(store::field::kLname, "Silva" + std::to_string(id));
    p.set_list_type(list);
    p.SetU8(239, 0xFF);
    p.set_extension_index(3);
    p.SetU16(188, 77);
    for (int s = 0; s < store::kSlotCount; ++s) {
      p.set_word(store::SlotWords::kHours, s, 10);
      p.set_pioneer_code(s, 2);
    }
    EXPECT_TRUE(db().AppendRow(p).ok());
    db().CountAllLists();
    db().RebuildIndexes(prompter);
    return db().FindRow(id);
  }
  store::CongregationDatabase& db() { return doc.db(); }

  TempFolder folder;
  FixedClock clock{Date{2026, 12, 8}};  // ReportMonth November 2026
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

TEST_F(ListTransfersTest, MarkingOffOneMonthLeavesTheOthers) {
  const int row = Add(101);
  const PublisherRecord before = db().row(row);
  PioneerList list(db(), PioneerMode::kRegular);
  ASSERT_TRUE(list.Choose(2026, 9).ok());  // October 2026
  EXPECT_EQ(list.listed().size(), 1u);
  EXPECT_EQ(list.caption(), "Pioneiros Regulares - Outubro 26 ( 1 )");
  ASSERT_TRUE(list.Remove(row, prompter).ok());
  const int october = activity::CalendarMonth{9, 26}.slot();
  EXPECT_EQ(Changed(before, db().row(row)), (std::set<std::size_t>{202u + october}));
  EXPECT_TRUE(list.listed().empty());
  EXPECT_EQ(list.others().size(), 1u);
  // Adding puts back that one byte.
  ASSERT_TRUE(list.Add(row, prompter).ok());
  EXPECT_TRUE(Changed(before, db().row(row)).empty());
  // A month outside the 24 kept is refused; the window is the report month's.
  EXPECT_FALSE(list.Choose(2024, 10).ok());
  EXPECT_TRUE(list.Choose(2024, 11).ok());
  EXPECT_EQ(list.months(2026).back(), 10);
}

TEST_F(ListTransfersTest, RemovingAnAuxiliaryOfTheReportMonthDropsTheRegularAuxiliaryMark) {
  const int row = Add(101);
  db().row(row).set_pioneer_code(activity::CalendarMonth{10, 26}.slot(), 1);
  PioneerList list(db(), PioneerMode::kAuxiliary);
  ASSERT_TRUE(list.Remove(row, prompter).ok());
  EXPECT_EQ(db().row(row).attribute_flags() & store::attr::kRegularAuxiliary, 0);
  // Someone already marked, or of another list, is refused.
  EXPECT_FALSE(list.Remove(row, prompter).ok());
  EXPECT_TRUE(list.Add(row, prompter).ok());
  EXPECT_FALSE(list.Add(row, prompter).ok());
}

TEST_F(ListTransfersTest, MakingInactiveWritesOnlyItsFields) {
  const int row = Add(101);
  const PublisherRecord before = db().row(row);
  ASSERT_TRUE(MakeInactive(db(), row, 9, 2026, prompter).ok());
  const PublisherRecord& p = db().row(row);
  EXPECT_TRUE(Within(Changed(before, p), {200, 201, 238, 239}));
  EXPECT_EQ(p.status_change(), 9 * 16);
  EXPECT_EQ(p.status_copy(), 26);  // (2026 + 48) mod 256
  EXPECT_EQ(p.attribute_flags(), 0xFF & ~0x90);
  EXPECT_TRUE(p.is(ListType::kInactive));
  EXPECT_EQ(TransferYear(db(), 12), 2025);  // December lies after the report month
}

TEST_F(ListTransfersTest, MovedFromInactiveAndBackReturnsWithTheOldMonth) {
  const int row = Add(101);
  ASSERT_TRUE(MakeInactive(db(), row, 3, 2025, prompter).ok());
  const PublisherRecord inactive = db().row(row);
  ASSERT_TRUE(MoveAway(db(), row, 10, prompter).ok());
  const PublisherRecord& moved = db().row(row);
  EXPECT_TRUE(moved.is(ListType::kMoved));
  EXPECT_TRUE(MovedFromInactive(moved));
  EXPECT_EQ(moved.extension_index(), 0);
  EXPECT_EQ(moved.household(), 0);
  EXPECT_TRUE(Within(Changed(inactive, moved), {170, 171, 172, 184, 185, 188, 189, 200, 201}));
  ASSERT_TRUE(UndoMove(db(), row, 0, false, prompter).ok());
  // Back as it was, but for what moving away dropped.
  PublisherRecord expected = inactive;
  expected.set_extension_index(0);
  expected.SetU16(188, 0);
  EXPECT_TRUE(Changed(expected, db().row(row)).empty());
}

TEST_F(ListTransfersTest, UndoingAMoveOfAnActivePublisherAndRestoring) {
  const int row = Add(101);
  ASSERT_TRUE(MoveAway(db(), row, 10, prompter).ok());
  EXPECT_FALSE(MovedFromInactive(db().row(row)));
  EXPECT_FALSE(UndoMove(db(), row, 0, false, prompter).ok());  // needs a month
  ASSERT_TRUE(UndoMove(db(), row, 11, true, prompter).ok());
  EXPECT_EQ(db().row(row).status_change(), 11 * 16 + 4);
  EXPECT_TRUE(db().row(row).is(ListType::kActive));

  const int deleted = Add(102, ListType::kDeleted);
  const PublisherRecord before = db().row(deleted);
  ASSERT_TRUE(RestoreDeleted(db(), deleted, prompter).ok());
  EXPECT_EQ(Changed(before, db().row(deleted)), (std::set<std::size_t>{200}));
  EXPECT_FALSE(RestoreDeleted(db(), deleted, prompter).ok());
}

TEST_F(ListTransfersTest, FullListsRefuseAndChangeNothing) {
  for (std::uint16_t id = 200; id < 200 + kMaxMoved; ++id) Add(id, ListType::kMoved);
  const int row = Add(101);
  const PublisherRecord before = db().row(row);
  EXPECT_FALSE(MovedListModel(db()).can_move());
  EXPECT_FALSE(MoveAway(db(), row, 10, prompter).ok());
  for (std::uint16_t id = 500; id < 500 + kMaxInactive; ++id) Add(id, ListType::kInactive);
  EXPECT_FALSE(InactiveListModel(db(), InactiveMode::kInactive).can_make_inactive());
  EXPECT_FALSE(MakeInactive(db(), row, 10, 2026, prompter).ok());
  EXPECT_TRUE(Changed(before, db().row(row)).empty());
}

TEST_F(ListTransfersTest, TheInactiveDialogFiltersAndNamesItsButton) {
  const int row = Add(101);
  ASSERT_TRUE(MakeInactive(db(), row, 3, 2024, prompter).ok());  // long ago
  const int recent = Add(102);
  ASSERT_TRUE(MakeInactive(db(), recent, 10, 2026, prompter).ok());
  InactiveListModel model(db(), InactiveMode::kInactive);
  EXPECT_EQ(model.left().size(), 2u);  // "Todos" first
  model.NextFilter();                  // six months
  ASSERT_EQ(model.left().size(), 1u);
  EXPECT_EQ(model.left()[0].row, recent);
  EXPECT_NE(model.left()[0].text.find("\tOut 2026"), std::string::npos);
  for (int i = 0; i < 3; ++i) model.NextFilter();  // more than twelve months
  ASSERT_EQ(model.left().size(), 1u);
  EXPECT_EQ(model.left()[0].row, row);
  EXPECT_EQ(model.main_text(ListSide::kRight), "Transf. p/ Inativos");
  EXPECT_EQ(model.main_text(ListSide::kLeft), "Reativar");
  EXPECT_EQ(InactiveListModel(db(), InactiveMode::kDeleted).main_text(ListSide::kLeft),
            "Restaurar");
}

TEST(ListTransferCommands, MoveAndDeleteThroughTheCommandLine) {
  TempFolder root;
  ScriptedPrompter prompter;
  FixedClock clock{Date{2026, 12, 8}};
  {
    store::Document doc(root.path(), clock, prompter);
    ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened);
    PublisherRecord p;
    p.set_id(101);
    p.SetText(store::field::kLname, "Silva");
    ASSERT_TRUE(doc.db().AppendRow(p).ok());
    doc.db().modified = true;
    ASSERT_TRUE(doc.SaveCommand(false));
  }
  const std::string data = root.path().string();
  auto run = [&](std::vector<std::string> args) {
    args.insert(args.begin() + 1, {"--data", data, "--today", "2026-12-08"});
    return cli::RunWith(args);
  };
  EXPECT_EQ(run({"move", "--id", "101", "--to", "sideways", "--month", "3"}).code, 2);
  EXPECT_EQ(run({"move", "--id", "101", "--to", "inactive"}).code, 2);  // no month
  const cli::CliRun moved = run({"move", "--id", "101", "--to", "inactive", "--month", "3"});
  ASSERT_EQ(moved.code, 0) << moved.err;
  EXPECT_NE(moved.out.find("\"list_type\": 1"), std::string::npos);
  EXPECT_EQ(run({"delete", "--id", "101"}).code, 2);  // not confirmed
  EXPECT_EQ(run({"delete", "--id", "101", "--yes"}).code, 0);
  EXPECT_EQ(run({"move", "--id", "101", "--to", "active", "--month", "3"}).code, 2);
  const cli::CliRun listed =
      run({"pioneers", "--mode", "auxiliary", "--month", "11", "--year", "2026"});
  ASSERT_EQ(listed.code, 0) << listed.err;
  EXPECT_NE(listed.out.find("\"listed\": []"), std::string::npos);
}

}  // namespace
}  // namespace ledra::records
