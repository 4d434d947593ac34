#include "activity/home_summary.h"

#include "activity/status_test_support.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {
namespace {

using test::Slot26;

class HomeSummaryTest : public test::StatusCongregation {};

TEST_F(HomeSummaryTest, TheMonthItsStateAndTheReportsIn) {
  Add(101, "Ana", "Lima");
  Report(Add(102, "Rui", "Melo"), Slot26(11), 5);
  Remark(Add(103, "Eva", "Sousa"), Slot26(11), "Doente");  // a remark counts as handed in
  Add(104, "Luís", "Dias", store::ListType::kInactive);
  Report(Row(104), Slot26(11), 3);  // not an active publisher: not counted
  SetMonthState(10, 1);

  HomeSummary h = HomeSummaryOf(db, "Lisboa - Norte   ");
  EXPECT_EQ(h.title, "Lisboa - Norte");
  EXPECT_EQ(h.month_line, "M\xEAs de Entradas: Novembro de 2026");
  EXPECT_EQ(h.state_line, "Aberto");
  EXPECT_EQ(h.state, HomeMonthState::kOpen);
  EXPECT_EQ(h.reported, 2);
  EXPECT_EQ(h.expected, 3);
  EXPECT_EQ(h.reports_line, "2 de 3 relat\xF3rios entregues");

  SetMonthState(10, 2);
  EXPECT_EQ(HomeSummaryOf(db, "").state_line, "Fechado");
  SetMonthState(10, 0);
  h = HomeSummaryOf(db, "   ");
  EXPECT_EQ(h.state_line, "N\xE3o iniciado");
  EXPECT_EQ(h.title, Strings().Part(str::kAppTitle, 0)) << "a congregation without a name yet";
}

}  // namespace
}  // namespace ledra::activity
