// Any bytes offered as a publisher list must be refused or imported without
// a crash, a hang or unbounded memory, into a congregation of one publisher.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "interchange/publist_import.h"
#include "platform/prompter.h"
#include "store/document.h"

namespace {

using namespace ledra;

struct Congregation {
  Congregation() : folder(std::filesystem::temp_directory_path() / "ledra_publist_fuzz") {
    std::filesystem::create_directories(folder);
  }
  std::filesystem::path folder;
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Congregation c;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  store::Document doc(c.folder, c.clock, c.prompter);
  store::OpenOptions options;
  if (doc.Open(options) != store::OpenOutcome::kOpened) return 0;
  store::PublisherRecord p;
  p.set_id(101);
  p.SetText(store::field::kFname, "Ana");
  p.SetText(store::field::kLname, "Silva");
  (void)doc.db().AppendRow(p);
  doc.db().CountAllLists();
  doc.db().RebuildIndexes(c.prompter);
  const auto file = interchange::ReadPubListBytes(bytes, doc.db());
  if (!file) return 0;
  std::vector<int> all;
  for (std::size_t i = 0; i < file->entries.size(); ++i) all.push_back(static_cast<int>(i));
  (void)interchange::TallyOf(doc.db(), *file, all);
  (void)interchange::ImportPubList(doc, *file, all, interchange::DuplicateChoice::kUpdate,
                                   c.prompter);
  return 0;
}
