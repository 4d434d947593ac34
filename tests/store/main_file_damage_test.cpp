// A main file that does not hold the congregation its folder kept (cut short,
// zeroed, overwritten) opens read-only with a warning, and no save writes the
// empty or blank table over the folder.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/string_ids.h"
#include "store/document.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

std::map<std::string, std::string> Files(const platform::Path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    if (e.is_regular_file())
      files[e.path().filename().string()] = *platform::ReadFileIfPresent(e.path());
  return files;
}

class MainFileDamage : public ::testing::Test {
 protected:
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  TempFolder folder;

  // A congregation of two with the side files a real folder has.
  void WriteCongregation() {
    std::string main = test::HeaderRecord(9) + test::PersonRecord(9, 101, "Ana", "Lima") +
                       test::PersonRecord(9, 102, "Rui", "Dias");
    WriteFixture(folder.path() / "tdat9.bin", main);
    std::string participated(16, '\0');
    participated[3] = 1;
    WriteFixture(folder.path() / "tlt15.dat", participated);
    WriteFixture(folder.path() / "bkstudy.dat", std::string(1881, '\x11'));
  }

  std::unique_ptr<Document> Open(bool read_only = false) {
    auto doc = std::make_unique<Document>(folder.path(), clock, prompter);
    OpenOptions options;
    options.read_only = read_only;
    EXPECT_EQ(doc->Open(options), OpenOutcome::kOpened);
    return doc;
  }
};

TEST_F(MainFileDamage, EveryKindOfDamageOpensReadOnlyAndSavesNothing) {
  std::mt19937 random(7);
  std::string noise(99552, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  const std::pair<const char*, std::string> cases[] = {
      {"cut to nothing", ""},
      {"cut to 100 bytes", std::string(100, '\x41')},
      {"zeros", std::string(122 * test::kRec, '\0')},
      {"random bytes", noise},
  };
  for (const auto& [what, bytes] : cases) {
    SCOPED_TRACE(what);
    WriteCongregation();
    WriteFixture(folder.path() / "tdat9.bin", bytes);
    const auto before = Files(folder.path());
    prompter.shown.clear();
    auto doc = Open();
    ASSERT_TRUE(doc->damage().has_value());
    EXPECT_EQ(doc->damage()->id, str::kMainFileDamaged);
    EXPECT_TRUE(doc->read_only());
    ASSERT_FALSE(prompter.shown.empty()) << "the warning is shown at opening";
    EXPECT_EQ(prompter.shown.front(), doc->damage()->text);
    EXPECT_EQ(prompter.shown.front().find("senha"), std::string::npos) << "never a password";
    doc->db().modified = true;
    EXPECT_FALSE(doc->SaveCommand(false).ok());
    EXPECT_TRUE(doc->db().modified) << "leaving must still ask";
    EXPECT_EQ(Files(folder.path()), before) << "bkstudy.dat and tlt15.dat survive";
  }
}

TEST_F(MainFileDamage, ANewOrEmptyCongregationIsNoDamage) {
  // Nothing at all: a new congregation.
  EXPECT_FALSE(Open()->damage().has_value());
  // Its first save (header only, empty remarks, zero totals) opens again as it is.
  ASSERT_TRUE(Open()->SaveCommand(false).ok());
  auto doc = Open();
  EXPECT_FALSE(doc->damage().has_value());
  EXPECT_FALSE(doc->read_only());
  // A short file alone, with nothing around it, also starts afresh.
  WriteFixture(folder.path() / "tdat9.bin", std::string(100, '\0'));
  EXPECT_FALSE(Open()->damage().has_value());
}

TEST_F(MainFileDamage, AWholeCongregationOpensForWritingAndABackupHistoryCountsAsPeople) {
  WriteCongregation();
  auto doc = Open();
  EXPECT_FALSE(doc->damage().has_value());
  EXPECT_EQ(doc->db().people(), 2);

  std::filesystem::remove(folder.path() / "tlt15.dat");
  std::filesystem::remove(folder.path() / "bkstudy.dat");
  WriteFixture(folder.path() / "buhist.dat", std::string(5120, '\0'));
  std::filesystem::remove(folder.path() / "tdat9.bin");
  EXPECT_TRUE(Open()->damage().has_value()) << "a folder that was backed up had people";
}

TEST_F(MainFileDamage, ReadingCommandsStillReadADamagedFolder) {
  WriteCongregation();
  WriteFixture(folder.path() / "tdat9.bin", "");
  auto doc = Open(/*read_only=*/true);
  EXPECT_TRUE(doc->damage().has_value());
  EXPECT_EQ(doc->db().people(), 0);
}

TEST_F(MainFileDamage, OnlyAWellFormedPasswordFieldIsTakenForAPassword) {
  PublisherRecord h = header::Fresh();
  EXPECT_FALSE(header::HasPassword(h));
  h.SetText(field::kFname, "segredo");
  EXPECT_TRUE(header::HasPassword(h));
  h.bytes[field::kFname.offset + 2] = 0x07;  // a control byte: not typed by anyone
  EXPECT_FALSE(header::HasPassword(h));
  for (std::size_t i = 0; i < field::kFname.size; ++i) h.bytes[field::kFname.offset + i] = 'x';
  EXPECT_FALSE(header::HasPassword(h)) << "no terminator";
}

}  // namespace
}  // namespace ledra::store
