// A start on a full folder (1,509 people, every table at its capacity)
// changes only what the steps of a start name, record by record and byte by
// byte.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "activity/month_dialog_model.h"
#include "activity/month_lifecycle.h"
#include "app/month_start_copier.h"
#include "store/demo_congregation.h"
#include "store/document.h"
#include "support/temp_folder.h"

namespace ledra::activity {
namespace {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;

// Byte offsets of a record that a start may change, by list.
std::set<std::size_t> Changeable(ListType type, int slot) {
  std::set<std::size_t> at;
  auto word = [&](SlotWords w) {
    const std::size_t o = static_cast<std::size_t>(w) + 2 * static_cast<std::size_t>(slot);
    at.insert(o);
    at.insert(o + 1);
  };
  const bool counters = type != ListType::kCircuitOverseer;
  if (counters) {
    for (SlotWords w :
         {SlotWords::kPlcmts, SlotWords::kVideos, SlotWords::kHours, SlotWords::kReturnVisits,
          SlotWords::kStudiesWord, SlotWords::kPioCredit, SlotWords::kRemarkIndex})
      word(w);
  }
  if (type == ListType::kActive || type == ListType::kInactive || type == ListType::kDeleted)
    at.insert(202 + static_cast<std::size_t>(slot));
  if (type == ListType::kActive) at.insert({192, 193, 201, 238});
  if (type == ListType::kDeleted) at.insert({192, 193});
  return at;
}

TEST(StartMonthFull, ChangesOnlyWhatTheStepsName) {
  TempFolder folder;
  ScriptedPrompter prompter;
  store::DemoOptions options;
  options.full = true;
  ASSERT_TRUE(store::WriteDemoCongregation(folder.path() / "full", options, prompter).ok());
  const FixedClock clock(Date{2026, 12, 3});  // November 2026, slot 30
  store::Document doc(folder.path() / "full", clock, prompter);
  ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened);
  ASSERT_EQ(doc.db().people(), 1509);
  const store::CongregationDatabase before = doc.db();

  const MonthDialogModel dialog(MonthDialogInputs::From(doc.db()));
  const MonthChoice choice = dialog.Start(doc.db(), false);
  const MonthChoiceOutcome out =
      ApplyMonthChoice(doc, choice, prompter, app::MonthStartCopier(doc));
  ASSERT_TRUE(out.started);
  const auto& after = doc.db();
  const int slot = 30;

  std::map<std::uint16_t, const PublisherRecord*> kept;
  for (int r = 1; r < after.count(); ++r) kept[after.row(r).id()] = &after.row(r);
  int removed = 0;
  for (int r = 1; r < before.count(); ++r) {
    const PublisherRecord& old = before.row(r);
    const auto it = kept.find(old.id());
    if (it == kept.end()) {
      // Only people who moved in November a year ago, or the oldest of an
      // overfull inactive or deleted list, leave the table.
      const bool moved_then = old.is(ListType::kMoved) && (old.status_change() >> 4) == 11;
      EXPECT_TRUE(moved_then || old.is(ListType::kInactive) || old.is(ListType::kDeleted))
          << old.id();
      ++removed;
      continue;
    }
    const auto allowed = Changeable(static_cast<ListType>(old.raw_list_type()), slot);
    for (std::size_t b = 0; b < store::kRecordSize; ++b) {
      if (old.bytes[b] != it->second->bytes[b]) {
        EXPECT_TRUE(allowed.count(b)) << "id " << old.id() << " byte " << b;
      }
    }
  }
  EXPECT_EQ(removed,
            out.summary.moved_removed + out.summary.inactive_trimmed + out.summary.deleted_trimmed);
  EXPECT_LE(after.list_count(ListType::kInactive), 280);
  EXPECT_LE(after.list_count(ListType::kDeleted), 280);

  // The header: the month states, the slot's year stamp and carried quarters.
  std::set<std::size_t> header_allowed;
  for (std::size_t b = 137; b < 149; ++b) header_allowed.insert(b);
  for (std::size_t o : {600u, 528u}) header_allowed.insert({o + 2 * slot, o + 2 * slot + 1});
  for (std::size_t b = 0; b < store::kRecordSize; ++b) {
    if (before.header().bytes[b] != after.header().bytes[b]) {
      EXPECT_TRUE(header_allowed.count(b)) << "header byte " << b;
    }
  }
  // Remarks: only texts of the slot are emptied.
  ASSERT_EQ(before.side.remarks.size(), after.side.remarks.size());
  for (std::size_t k = 1; k < after.side.remarks.size(); ++k) {
    if (before.side.remarks[k].text != after.side.remarks[k].text) {
      EXPECT_TRUE(after.side.remarks[k].text.empty()) << k;
    }
  }
  // Everything else of the side tables stays.
  EXPECT_EQ(before.side.groups.bytes, after.side.groups.bytes);
  EXPECT_EQ(before.side.shared_settings, after.side.shared_settings);
}

}  // namespace
}  // namespace ledra::activity
