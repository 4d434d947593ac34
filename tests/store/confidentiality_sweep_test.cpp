#include "store/confidentiality_sweep.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ledra::store {
namespace {

using platform::FileExists;

std::vector<std::string> Names(const std::vector<SweepCandidate>& candidates) {
  std::vector<std::string> names;
  for (const SweepCandidate& c : candidates) names.push_back(c.name.string());
  return names;
}

TEST(ConfidentialitySweep, OffersMonthNamedReportsThenPublist) {
  TempFolder folder;
  const auto& f = folder.path();
  for (const char* name : {"Mar\xC3\xA7o.csv", "janeiro.RPT", "Dezembro.csv", "Maio.txt",
                           "Maio2.csv", "publist.xml", "tdat9.bin"})
    WriteFixture(f / name, "x");
  const std::vector<SweepCandidate> candidates = FindSweepCandidates(f);
  EXPECT_EQ(Names(candidates), (std::vector<std::string>{"janeiro.RPT", "Mar\xC3\xA7o.csv",
                                                         "Dezembro.csv", "publist.xml"}));
  for (const SweepCandidate& c : candidates) EXPECT_TRUE(c.selected);
}

TEST(ConfidentialitySweep, NothingToOfferWithoutAMonthFile) {
  TempFolder folder;
  WriteFixture(folder.path() / "publist.xml", "x");
  WriteFixture(folder.path() / "Junho.doc", "x");
  EXPECT_TRUE(FindSweepCandidates(folder.path()).empty());
  EXPECT_TRUE(FindSweepCandidates(folder.path() / "missing").empty());
}

TEST(ConfidentialitySweep, DeletesOnlyTheSelectedFiles) {
  TempFolder folder;
  const auto& f = folder.path();
  WriteFixture(f / "Abril.csv", "x");
  WriteFixture(f / "Maio.rpt", "x");
  std::vector<SweepCandidate> candidates = FindSweepCandidates(f);
  ASSERT_EQ(candidates.size(), 2u);
  candidates[1].selected = false;
  EXPECT_TRUE(DeleteSelected(f, candidates).empty());
  EXPECT_FALSE(FileExists(f / "Abril.csv"));
  EXPECT_TRUE(FileExists(f / "Maio.rpt"));
}

TEST(ConfidentialitySweep, ExportLeftoversAreAlwaysDeletedAndFailuresNamed) {
  TempFolder folder;
  const auto& f = folder.path();
  for (const char* name : {"contact.tsv", "3rdparty.tsv", "CardHdr.tsv", "publist.xml", "keep.tsv"})
    WriteFixture(f / name, "x");
  EXPECT_TRUE(DeleteExportLeftovers(f).empty());
  EXPECT_FALSE(FileExists(f / "contact.tsv"));
  EXPECT_FALSE(FileExists(f / "3rdparty.tsv"));
  EXPECT_FALSE(FileExists(f / "CardHdr.tsv"));
  EXPECT_FALSE(FileExists(f / "publist.xml"));
  EXPECT_TRUE(FileExists(f / "keep.tsv"));
  EXPECT_TRUE(DeleteExportLeftovers(f).empty());  // nothing left is fine

  WriteFixture(f / "contact.tsv", "x");
  platform::SetFaultHook([](platform::FileStep step, const platform::Path&) {
    return step == platform::FileStep::kRemove;
  });
  const std::vector<Message> failures = DeleteExportLeftovers(f);
  platform::SetFaultHook({});
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].text.find("contact.tsv"), std::string::npos);
  EXPECT_TRUE(FileExists(f / "contact.tsv"));
}

}  // namespace
}  // namespace ledra::store
