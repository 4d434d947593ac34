#include "reports/format_options.h"

#include <gtest/gtest.h>

namespace ledra::reports {
namespace {

TEST(FormatOptions, LabelBoxesFollowEachOther) {
  store::Settings settings;
  settings.birth_caption = false;
  std::array<std::uint8_t, 7> shared{};
  FormatOptionsModel model(settings, shared);
  model.SetAlternateLabels(true);
  EXPECT_TRUE(model.values().birth_caption);
  model.SetBirthCaption(false);
  EXPECT_FALSE(model.values().alternate_labels);
}

TEST(FormatOptions, ApplyWritesBothPlacesAndTellsWhetherAnythingChanged) {
  store::Settings settings;
  std::array<std::uint8_t, 7> shared{};
  shared[2] = 7;  // a byte the companion program keeps
  FormatOptionsModel model(settings, shared);
  EXPECT_FALSE(model.Apply(settings, shared));
  model.edit().congregation = "   Congrega\xE7\xE3o de Vila Serrana do Norte  ";
  model.edit().top_margin = 120;
  model.edit().alternate_dates = true;
  ASSERT_TRUE(model.Apply(settings, shared));
  EXPECT_EQ(settings.cong_name, "Congrega\xE7\xE3o de Vila Serra");  // 25 characters
  EXPECT_EQ(settings.top_margin, 99);
  EXPECT_EQ(shared[5], 1);
  EXPECT_EQ(shared[2], 7);
  EXPECT_FALSE(FormatOptionsModel(settings, shared).Apply(settings, shared));
  const auto margins = FormatOptionsModel::MarginChoices();
  ASSERT_EQ(margins.size(), 100u);
  EXPECT_EQ(margins.front(), "00");
  EXPECT_EQ(margins[50], "50");
}

TEST(FormatOptions, SurnameFirstIsHiddenAndKeptWhileSortingByFirstName) {
  store::Settings settings;
  settings.sort_by_first_name = true;
  std::array<std::uint8_t, 7> shared{};
  FormatOptionsModel model(settings, shared);
  EXPECT_FALSE(model.surname_first_visible());
  model.edit().surname_first = true;
  EXPECT_FALSE(model.Apply(settings, shared));
  EXPECT_EQ(shared[0], 0);
}

}  // namespace
}  // namespace ledra::reports
