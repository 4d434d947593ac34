// The not-reported list's reminder: who it goes to, in which month's words,
// from whom, and when there is nobody to send it to.

#include "activity/missing_reports_mail.h"

#include <gtest/gtest.h>

#include "activity/month_calendar.h"
#include "activity/status_test_support.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"

namespace ledra::activity {
namespace {

class MissingReportsMail : public test::StatusCongregation {
 protected:
  // Gives the person an extension record holding `email`; `owner` other
  // than the person's id leaves a record that belongs to someone else.
  void Email(store::PublisherRecord& p, std::string_view email, std::uint16_t owner = 0) {
    if (db.side.extensions.empty()) db.side.extensions.resize(1);
    store::ExtensionRecord ext;
    ext.set_u16(0, owner ? owner : p.id());
    ext.set_text(67, 51, email);
    db.side.extensions.push_back(ext);
    p.set_extension_index(static_cast<std::uint16_t>(db.side.extensions.size() - 1));
  }
  void SetUp() override {
    StatusCongregation::SetUp();
    db.side.groups.set_count(2);
    Email(Add(101, "Ana", "Silva"), "ana@example.org");
    Report(Add(102, "Bruno", "Costa"), test::Slot26(11));
    Email(Row(102), "bruno@example.org");
    // Carla's field holds a broken address, a good one and Ana's again.
    Email(Add(103, "Carla", "Dias", store::ListType::kActive, 1),
          "carla@exemplo; carla@example.org;ana@example.org");
    Add(104, "Davi", "Reis", store::ListType::kActive, 2);
    Email(Add(105, "Eva", "Lopes"), "eva@example.org", /*owner=*/999);
    // Ana reported October; the others did not.
    Report(Row(101), test::Slot26(10));
  }
  static std::string Utf8(const std::string& ansi) { return platform::AnsiToUtf8(ansi); }
};

TEST_F(MissingReportsMail, BlindCopiesToThoseListedWithAnAddress) {
  const auto request = MissingReportsReminder(db, {}, "sec@example.org");
  ASSERT_TRUE(request.ok()) << request.error().text;
  EXPECT_TRUE(request->to.empty());
  EXPECT_EQ(request->bcc, (std::vector<std::string>{"ana@example.org", "carla@example.org"}));
  EXPECT_EQ(request->subject, "Não Relataram " + Utf8(MonthName(10)));
  EXPECT_EQ(request->body, "Envie seu relatório para " + Utf8(MonthName(10)) + ". Obrigado.");
  EXPECT_EQ(request->sender_name, "sec@example.org");
  EXPECT_TRUE(request->attachment.empty());
}

TEST_F(MissingReportsMail, AnotherMonthAndAGroup) {
  StatusListChoice october;
  october.month_index = 9;
  const auto request = MissingReportsReminder(db, october, "");
  ASSERT_TRUE(request.ok());
  // Ana reported October, Bruno only November; Ana's address still comes
  // with Carla's field.
  EXPECT_EQ(request->bcc, (std::vector<std::string>{"bruno@example.org", "carla@example.org",
                                                    "ana@example.org"}));
  EXPECT_EQ(request->subject, "Não Relataram " + Utf8(MonthName(9)));
  EXPECT_NE(request->body.find(Utf8(MonthName(9))), std::string::npos);
  EXPECT_EQ(request->sender_name, "LEDRA");

  StatusListChoice group1;
  group1.group = 1;
  EXPECT_EQ(ReminderAddresses(db, group1).value(),
            (std::vector<std::string>{"carla@example.org", "ana@example.org"}));
}

TEST_F(MissingReportsMail, NobodyToSendToOrAnotherList) {
  StatusListChoice group2;
  group2.group = 2;  // only Davi, without an address
  const auto nobody = MissingReportsReminder(db, group2, "");
  ASSERT_FALSE(nobody.ok());
  EXPECT_EQ(nobody.error().id, str::kMailReminderNobody);

  StatusListChoice irregular;
  irregular.kind = StatusListKind::kIrregular;
  EXPECT_FALSE(MissingReportsReminder(db, irregular, "").ok());
  StatusListChoice bad_group;
  bad_group.group = 7;
  EXPECT_FALSE(MissingReportsReminder(db, bad_group, "").ok());
}

TEST_F(MissingReportsMail, SenderNameNeedsFourCharacters) {
  EXPECT_EQ(MissingReportsReminder(db, {}, "a@bc")->sender_name, "a@bc");
  EXPECT_EQ(MissingReportsReminder(db, {}, "a@b")->sender_name, "LEDRA");
}

}  // namespace
}  // namespace ledra::activity
