#include <gtest/gtest.h>

#include "records/date_text.h"
#include "records/group_choice.h"

namespace ledra::records {
namespace {

TEST(DateText, ComposedOnlyWhenAllThreeAreChosen) {
  EXPECT_EQ(ComposeDate({3, 9, 1987}), "03091987");
  EXPECT_EQ(ComposeDate({3, 0, 1987}), "        ");
  EXPECT_EQ(ComposeDate({0, 9, 1987}), "        ");
  EXPECT_EQ(SplitDate("03091987"), (DateParts{3, 9, 1987}));
  EXPECT_EQ(SplitDate("        "), DateParts{});
  EXPECT_EQ(SplitDate("13091987"), DateParts{});
  const YearRange years = DateYearRange(25);
  EXPECT_EQ(years.first, 1906);
  EXPECT_EQ(years.last, 2026);
  EXPECT_EQ(years.last - years.first + 1, 121);
}

TEST(GroupChoice, RowsAndPreselection) {
  store::GroupTable groups;
  groups.set_count(2);
  groups.set_text(1, store::GroupTable::Text::kOverseer, "Rui Sousa");
  groups.set_text(2, store::GroupTable::Text::kName, "Centro");
  const auto rows = GroupChoices(groups);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].group, 0);
  EXPECT_EQ(rows[2].text, "Centro");
  EXPECT_EQ(GroupChoiceRow(rows, 2), 2);
  EXPECT_EQ(GroupChoiceRow(rows, 21), -1);
  EXPECT_EQ(GroupButtonText(groups, 1), "( &Grupo #1 ) Rui Sousa");
  // A one-letter name does not count as a name.
  groups.set_text(2, store::GroupTable::Text::kName, "C");
  EXPECT_EQ(GroupButtonText(groups, 2), "( &Grupo #2 ) ");
}

}  // namespace
}  // namespace ledra::records
