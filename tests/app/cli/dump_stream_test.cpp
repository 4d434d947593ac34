// The streamed dump must be the very text of the whole tree dumped at once.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/database_json.h"
#include "platform/prompter.h"
#include "store/demo_congregation.h"
#include "store/document.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

void ExpectStreamEqualsTree(const platform::Path& folder) {
  ScriptedPrompter prompter;
  const FixedClock clock(Date{2026, 12, 8});
  store::Document doc(folder, clock, prompter);
  store::OpenOptions options;
  options.read_only = true;
  ASSERT_EQ(doc.Open(options), store::OpenOutcome::kOpened);
  std::ostringstream streamed;
  WriteDatabaseJson(doc, streamed);
  const std::string tree = DatabaseToJson(doc).dump(1);
  ASSERT_EQ(streamed.str().size(), tree.size());
  EXPECT_TRUE(streamed.str() == tree);
}

TEST(DumpStream, SmallFolderWithEmptyTables) {
  TempFolder folder;
  WriteFixture(folder.path() / "tdat9.bin",
               test::HeaderRecord(9) + test::PersonRecord(9, 101, "Ana", "Louren\xE7o"));
  ExpectStreamEqualsTree(folder.path());
}

TEST(DumpStream, DemoAndFullFolders) {
  for (bool full : {false, true}) {
    SCOPED_TRACE(full);
    TempFolder folder;
    ScriptedPrompter prompter;
    store::DemoOptions options;
    options.full = full;
    ASSERT_TRUE(store::WriteDemoCongregation(folder.path() / "d", options, prompter).ok());
    ExpectStreamEqualsTree(folder.path() / "d");
  }
}

}  // namespace
}  // namespace ledra::cli
