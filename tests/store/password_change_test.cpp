#include "store/password_change.h"

#include <gtest/gtest.h>

#include "platform/string_ids.h"
#include "store/publisher_record.h"

namespace ledra::store {
namespace {

PublisherRecord HeaderWith(std::string_view password) {
  PublisherRecord h;
  h.SetText(field::kFname, password);
  return h;
}

TEST(PasswordChange, FirstOkAsksAgainWithTheTypedText) {
  PasswordChange change;
  EXPECT_EQ(change.prompt(), "Entre a Nova Senha ou\nnada para desactivar");
  change.Ok("novo");
  EXPECT_FALSE(change.finished());
  EXPECT_EQ(change.field(), "");
  EXPECT_EQ(change.prompt(), "novo novamente.");
  change.Ok("novo");
  EXPECT_TRUE(change.finished());
  EXPECT_TRUE(change.confirmed());

  PublisherRecord header = HeaderWith("velho");
  const PasswordChangeResult r = ApplyPasswordChange(change, header);
  EXPECT_EQ(r.message_id, str::kPasswordChanged);
  EXPECT_TRUE(r.modified);
  EXPECT_EQ(header::Password(header), "novo");
}

TEST(PasswordChange, FourteenthCharacterCutsToThirteenAndActsAsOk) {
  PasswordChange change;
  EXPECT_FALSE(change.TextChanged("1234567890123"));
  EXPECT_TRUE(change.TextChanged("12345678901234"));
  EXPECT_EQ(change.field(), "");
  EXPECT_EQ(change.prompt(), "1234567890123 novamente.");
  EXPECT_TRUE(change.TextChanged("1234567890123X"));
  EXPECT_TRUE(change.finished());
  EXPECT_TRUE(change.confirmed());
  PublisherRecord header = HeaderWith(" ");
  EXPECT_EQ(ApplyPasswordChange(change, header).message_id, str::kPasswordChanged);
  EXPECT_EQ(header::Password(header), "1234567890123");
}

TEST(PasswordChange, EmptyOrLeadingSpaceRemovesThePassword) {
  for (std::string_view text : {"", " abc"}) {
    PasswordChange change;
    change.Ok(text);
    change.Ok(text);
    PublisherRecord header = HeaderWith("velho");
    const PasswordChangeResult r = ApplyPasswordChange(change, header);
    EXPECT_EQ(r.message_id, str::kPasswordDisabled) << text;
    EXPECT_TRUE(r.modified);
    EXPECT_EQ(header::Password(header), " ");
    EXPECT_FALSE(header::HasPassword(header));
  }
}

TEST(PasswordChange, DifferentTextsOrCancelLeaveThePassword) {
  PasswordChange differ;
  differ.Ok("um");
  differ.Ok("dois");
  PasswordChange cancelled;
  cancelled.Ok("um");
  cancelled.Cancel();
  PasswordChange unfinished;
  for (const PasswordChange* change : {&differ, &cancelled, &unfinished}) {
    PublisherRecord header = HeaderWith("velho");
    const PasswordChangeResult r = ApplyPasswordChange(*change, header);
    EXPECT_EQ(r.message_id, str::kPasswordNotChanged);
    EXPECT_FALSE(r.modified);
    EXPECT_EQ(header::Password(header), "velho");
  }
}

}  // namespace
}  // namespace ledra::store
