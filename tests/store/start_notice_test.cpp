#include "store/start_notice.h"

#include <gtest/gtest.h>

namespace ledra::store {
namespace {

TEST(StartNotice, ShownUnlessNagIsOn) {
  ScriptedPrompter prompter;
  Settings settings;
  EXPECT_TRUE(ShowStartNotice(settings, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  const std::string& text = prompter.shown[0];
  EXPECT_EQ(text.rfind("Este programa foi providenciado", 0), 0u);
  EXPECT_NE(text.find("mensal.  Ele n\xE3o toma"), std::string::npos);
  EXPECT_NE(text.find("secret\xE1rio.  Todos os cart\xF5"
                      "es"),
            std::string::npos);

  settings.nag = true;
  EXPECT_FALSE(ShowStartNotice(settings, prompter));
  EXPECT_EQ(prompter.shown.size(), 1u);
}

}  // namespace
}  // namespace ledra::store
