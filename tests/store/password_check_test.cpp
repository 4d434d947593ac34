#include "store/password_check.h"

#include <gtest/gtest.h>

#include "store/publisher_record.h"

namespace ledra::store {
namespace {

using Outcome = PasswordOutcome;
constexpr std::string_view kInvalid = "Senha inv\xE1lida ...";

TEST(PasswordCheck, TypingCharacterByCharacterOpensAtTheLastCharacter) {
  PasswordCheck check("Segredo", PasswordCheck::Purpose::kOpening);
  EXPECT_EQ(check.prompt(), "Entre a Senha");
  const std::string typed = "Segredo";
  for (std::size_t n = 1; n < typed.size(); ++n)
    ASSERT_EQ(check.TextChanged(typed.substr(0, n)), Outcome::kPending) << n;
  EXPECT_EQ(check.TextChanged(typed), Outcome::kGranted);
}

TEST(PasswordCheck, ComparisonIsExactAndCaseSensitive) {
  PasswordCheck check("Segredo", PasswordCheck::Purpose::kBeforeChange);
  EXPECT_EQ(check.prompt(), "Entre a Senha Antiga");
  EXPECT_EQ(check.TextChanged("segredo"), Outcome::kPending);
  EXPECT_EQ(check.TextChanged("Segredo "), Outcome::kPending);
}

TEST(PasswordCheck, WrongOkWarnsAndTheNextKeyStrokeOrOkRefuses) {
  PasswordCheck by_key("abc", PasswordCheck::Purpose::kOpening);
  EXPECT_EQ(by_key.Ok("abd"), Outcome::kPending);
  EXPECT_EQ(by_key.prompt(), kInvalid);
  EXPECT_EQ(by_key.TextChanged("ab"), Outcome::kRefused);
  EXPECT_EQ(by_key.TextChanged("abc"), Outcome::kRefused);  // the end is final

  PasswordCheck by_ok("abc", PasswordCheck::Purpose::kOpening);
  EXPECT_EQ(by_ok.Ok(""), Outcome::kPending);
  EXPECT_EQ(by_ok.Ok("x"), Outcome::kRefused);

  // The second try still counts when it is right.
  PasswordCheck second("abc", PasswordCheck::Purpose::kOpening);
  EXPECT_EQ(second.Ok("ab"), Outcome::kPending);
  EXPECT_EQ(second.TextChanged("abc"), Outcome::kGranted);
}

TEST(PasswordCheck, MoreThanThirteenCharactersCountsAsOk) {
  PasswordCheck check("abc", PasswordCheck::Purpose::kOpening);
  EXPECT_EQ(check.TextChanged("1234567890123"), Outcome::kPending);
  EXPECT_EQ(check.prompt(), "Entre a Senha");
  EXPECT_EQ(check.TextChanged("12345678901234"), Outcome::kPending);
  EXPECT_EQ(check.prompt(), kInvalid);
  EXPECT_EQ(check.TextChanged("1234567890123"), Outcome::kRefused);
}

TEST(PasswordCheck, ClosingOtherwiseRefuses) {
  PasswordCheck check("abc", PasswordCheck::Purpose::kOpening);
  EXPECT_EQ(check.Close(), Outcome::kRefused);
  PasswordCheck granted("abc", PasswordCheck::Purpose::kOpening);
  granted.TextChanged("abc");
  EXPECT_EQ(granted.Close(), Outcome::kGranted);
}

TEST(PasswordCheck, ABlankOrEmptyHeaderFieldMeansNoPassword) {
  PublisherRecord header;
  EXPECT_FALSE(PasswordCheck::Needed(header));
  header.SetText(field::kFname, " ");
  EXPECT_FALSE(PasswordCheck::Needed(header));
  header.SetText(field::kFname, "x");
  EXPECT_TRUE(PasswordCheck::Needed(header));
}

}  // namespace
}  // namespace ledra::store
