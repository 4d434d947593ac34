#include "records/text_guard.h"

#include <gtest/gtest.h>

#include "platform/string_ids.h"
#include "records/publisher_editor.h"
#include "records_fixture.h"

namespace ledra::records {
namespace {

using store::TextField;

// A filler byte at `i` that scrambles to 1 or 2: never 0, never 204.
std::uint8_t Filler(std::size_t i, std::uint8_t base) {
  auto f = static_cast<std::uint8_t>(1 - static_cast<int>((i + base) & 0xFF));
  if (f == 0) f = static_cast<std::uint8_t>(2 - static_cast<int>((i + base) & 0xFF));
  return f;
}

// What the main file does: scramble the whole record, read it back.
bool RoundTrips(TextField field, std::size_t pos, std::uint8_t byte, std::uint8_t base) {
  std::string text;
  for (std::size_t i = 0; i < pos; ++i) text.push_back(static_cast<char>(Filler(i, base)));
  text.push_back(static_cast<char>(byte));
  store::PublisherRecord rec;
  rec.SetText(field, text);
  store::PublisherRecord file = rec;
  store::ScrambleRecord(file, store::kScramble, base);
  store::ScrambleRecord(file, store::kUnscramble, base);
  return file.Text(field) == text;
}

TEST(TextGuard, AgreesWithTheFileForEveryByteAtEveryPosition) {
  const TextField fields[] = {store::field::kFname,   store::field::kLname,  store::field::kAddr,
                              store::field::kPhone,   store::field::kPhone2, store::field::kPhone3,
                              store::field::kBapdate, store::field::kBirdate};
  for (std::uint8_t base : {std::uint8_t{0}, std::uint8_t{1}, store::kDefaultScrambleBase,
                            std::uint8_t{100}, std::uint8_t{204}, std::uint8_t{255}}) {
    for (const TextField& f : fields) {
      for (std::size_t pos = 0; pos + 1 < f.size; ++pos) {
        for (int b = 1; b < 256; ++b) {
          const auto byte = static_cast<std::uint8_t>(b);
          ASSERT_EQ(ByteSurvives(byte, pos, KeepRuleOf(f), base), RoundTrips(f, pos, byte, base))
              << "field " << f.offset << " pos " << pos << " byte " << b << " base " << int(base);
        }
      }
    }
  }
}

TEST(TextGuard, FindsTheLostCharacterAndNamesIt) {
  // At base 23, position 0: 233 + 23 = 256 -> 0 ends the text; 181 + 23 = 204 comes back as 204.
  EXPECT_EQ(FirstLostByte("\xE9va", store::field::kFname, 23), std::size_t{0});
  EXPECT_EQ(FirstLostByte("\xB5", store::field::kFname, 23), std::size_t{0});
  EXPECT_FALSE(FirstLostByte("\xB5", store::field::kPhone, 23));  // no 204 rule there
  EXPECT_FALSE(FirstLostByte("\xCC\xCC", store::field::kLname, 23));
  EXPECT_EQ(FirstLostByte(std::string(31, 'a') + "\xB5", store::field::kAddr, 0), std::nullopt);
  const Status s = CheckStorable("\xE9va", store::field::kFname, 23);
  ASSERT_FALSE(s.ok());
  EXPECT_NE(s.error().text.find("\xE9va"), std::string::npos);
}

class TextGuardEditorTest : public RecordsTest {};

TEST_F(TextGuardEditorTest, EditorRefusesWhatWouldNotReadBackAndKeepsWhatWould) {
  OpenDefault();
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, RowOf(101));
  ed.mutable_form().first = "\xE9va";  // lost at the folder's base 23
  auto r = ed.Save({});
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().id, str::kRecCharacterNotStorable);
  EXPECT_EQ(doc.db().row(RowOf(101)).fname(), "Ana");
  ed.mutable_form().first = "\xC9va \xE7\xE3";  // accented, storable
  ASSERT_TRUE(ed.Save({}).ok());
  Reopen();
  bool found = false;
  for (const auto& rec : reopened_rows) found |= rec.fname() == "\xC9va \xE7\xE3";
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace ledra::records
