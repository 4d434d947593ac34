// "Superintendente de circuito": the one ListType-5 record.

#include "records/circuit_overseer.h"

#include <gtest/gtest.h>

#include "records_fixture.h"

namespace ledra::records {
namespace {

class OverseerTest : public RecordsTest {};

TEST_F(OverseerTest, AMissingOverseerIsCreatedLastWithTheFormAndHisEmail) {
  OpenDefault();
  CircuitOverseerEditor nothing(doc);
  EXPECT_EQ(nothing.row(), 0);
  EXPECT_FALSE(*nothing.Save(prompter)) << "an empty form creates no one";
  EXPECT_EQ(doc.db().count(), 4);

  CircuitOverseerEditor ed(doc);
  ed.form() = {"Abel", "Aguiar", "Rua 1", "21", "91", "22", "co@x.pt"};
  ASSERT_TRUE(*ed.Save(prompter));
  ASSERT_EQ(ed.row(), 4) << "after everyone, whatever his name";
  const auto& rec = doc.db().row(4);
  EXPECT_EQ(rec.raw_list_type(), 5);
  EXPECT_EQ(rec.id(), 100) << "the first free id";
  EXPECT_EQ(rec.fname(), "Abel");
  EXPECT_EQ(rec.Text(store::field::kPhone3), "22");
  EXPECT_EQ(doc.ReadExtension(4)->email(), "co@x.pt");
  EXPECT_EQ(doc.db().circuit_overseer_row(), 4);
  EXPECT_TRUE(doc.db().modified);

  Reopen();
  EXPECT_EQ(reopened_rows.back().lname(), "Aguiar");
  EXPECT_EQ(CircuitOverseerEditor(doc).form().email, "co@x.pt");
}

TEST_F(OverseerTest, AnEditWritesOnlyItsFieldAndLongTextsAreRefused) {
  std::string co = test::PersonRecord(23, 150, "Abel", "Aguiar", 5);
  co[239] = 0x22;
  co[200 + 10] = 7;
  OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") + co);
  const store::PublisherRecord before = doc.db().row(2);
  CircuitOverseerEditor ed(doc);
  EXPECT_EQ(ed.form().last, "Aguiar");
  ed.form().mobile = "965";
  ASSERT_TRUE(*ed.Save(prompter));
  const auto& now = doc.db().row(2).bytes;
  for (std::size_t i = 0; i < now.size(); ++i)
    if (i < 122 || i >= 137) {
      EXPECT_EQ(now[i], before.bytes[i]) << i;
    }

  const store::PublisherRecord saved = doc.db().row(2);
  doc.db().modified = false;
  CircuitOverseerEditor bad(doc);
  bad.form().address = std::string(61, 'a');
  auto refused = bad.Save(prompter);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().text, "Endere\xE7o aceita no m\xE1ximo 60 caracteres.");
  bad.form().address = "ok";
  bad.form().email = std::string(51, 'e');
  EXPECT_FALSE(bad.Save(prompter).ok());
  EXPECT_EQ(doc.db().row(2).bytes, saved.bytes);
  EXPECT_FALSE(doc.db().modified);
}

}  // namespace
}  // namespace ledra::records
