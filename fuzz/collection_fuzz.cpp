// Any bytes offered as a returned collection file (and, from the same bytes,
// as an XML list of reports) must give a pick list and a merge without a
// crash, into a congregation of two publishers in one group.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <string_view>

#include "interchange/collection_file.h"
#include "interchange/import_dialog_model.h"
#include "interchange/publist_reports.h"
#include "platform/prompter.h"
#include "store/document.h"

namespace {

using namespace ledra;

struct Congregation {
  Congregation() : folder(std::filesystem::temp_directory_path() / "ledra_collection_fuzz") {
    std::filesystem::create_directories(folder);
  }
  std::filesystem::path folder;
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
};

void Merge(store::Document& doc, const Result<interchange::ImportTable>& table) {
  if (!table) return;
  const interchange::ImportDialogModel model(doc, *table);
  std::vector<int> all(model.lines().size());
  std::iota(all.begin(), all.end(), 0);
  for (int i = 0; i < static_cast<int>(all.size()); ++i) (void)model.PreviewOf(i);
  (void)model.Merge(doc, all);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Congregation c;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  store::Document doc(c.folder, c.clock, c.prompter);
  if (doc.Open(store::OpenOptions{}) != store::OpenOutcome::kOpened) return 0;
  for (auto [id, first] : {std::pair{101, "Ana"}, std::pair{102, "Rui"}}) {
    store::PublisherRecord p;
    p.set_id(static_cast<std::uint16_t>(id));
    p.SetText(store::field::kFname, first);
    p.SetText(store::field::kLname, "Silva");
    p.set_group(1);
    (void)doc.db().AppendRow(p);
  }
  doc.db().CountAllLists();
  doc.db().RebuildIndexes(c.prompter);
  Merge(doc, interchange::ReadCollectionFile(bytes, doc));
  Merge(doc, interchange::ReadXmlReports(bytes, doc));
  return 0;
}
