// The chooser's filter: part of a name, case and accents ignored.

#include <gtest/gtest.h>

#include "store/name_collation.h"

namespace ledra::store {
namespace {

TEST(NameContains, CaseAndAccentsAreIgnored) {
  EXPECT_TRUE(NameContains("Falc\xE3o, Ricardo", "falcao"));
  EXPECT_TRUE(NameContains("\xC1lvaro Lima", "ALV"));
  EXPECT_TRUE(NameContains("Lima, Ana", " ana "));
  EXPECT_TRUE(NameContains("Lima, Ana", ""));
  EXPECT_FALSE(NameContains("Lima, Ana", "Rui"));
  EXPECT_FALSE(NameContains("Ana", "Ana Lima"));
}

}  // namespace
}  // namespace ledra::store
