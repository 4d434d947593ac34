// Any bytes offered as a CSV report file must be refused or taken through
// both import steps into the import table without a crash, a hang or
// unbounded memory, against a congregation of one publisher.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "interchange/csv_import.h"
#include "interchange/csv_mapping_step.h"
#include "interchange/csv_name_step.h"
#include "interchange/csv_reader.h"
#include "platform/prompter.h"
#include "store/document.h"

namespace {

using namespace ledra;

struct Congregation {
  Congregation() : folder(std::filesystem::temp_directory_path() / "ledra_csv_fuzz") {
    std::filesystem::create_directories(folder);
    (void)doc.Open({});
    store::PublisherRecord p;
    p.set_id(101);
    p.SetText(store::field::kFname, "Ana");
    p.SetText(store::field::kLname, "Silva");
    (void)doc.db().AppendRow(p);
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);
  }
  std::filesystem::path folder;
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  store::Document doc{folder, clock, prompter};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Congregation c;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Result<interchange::CsvFile> file = interchange::ParseCsv(bytes);
  if (!file || !interchange::ValidateCsv(*file)) return 0;
  interchange::ColumnMappingStep columns(*file, std::nullopt);
  // Whatever the labels did not pair, the first columns take in order.
  for (int t = 0; t < interchange::kCsvTargetCount; ++t) {
    const auto target = static_cast<interchange::CsvTarget>(t);
    if (columns.column(target) < 0 && t < static_cast<int>(columns.columns().size()))
      columns.Pair(target, t);
  }
  const interchange::ColumnMap map = columns.Map();
  interchange::NameMatchingStep names(c.doc.db(), *file, map, {});
  for (int i = 0; i < static_cast<int>(names.unmatched().size()); ++i)
    names.Pair(i, static_cast<int>(names.publishers().size()) - 1);
  names.set_skip_unmatched(true);
  (void)interchange::BuildCsvImport(c.doc.db(), *file, map, names.LineMatches());
  return 0;
}
