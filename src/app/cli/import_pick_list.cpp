#include "cli/import_pick_list.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "interchange/import_dialog_model.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;

// "0,2,3" within the list, or nothing.
std::optional<std::vector<int>> ParseLines(std::string_view text, int count) {
  std::vector<int> lines;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::optional<long long> n = ParseNumber(text.substr(0, comma));
    if (!n || *n < 0 || *n >= count) return std::nullopt;
    lines.push_back(static_cast<int>(*n));
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  }
  if (lines.empty()) return std::nullopt;
  return lines;
}

}  // namespace

int RunImportPickList(const CliContext& context, CliDocument& doc,
                      const interchange::ImportTable& table, const ImportPickOptions& options) {
  store::Document& document = *doc.document;
  const interchange::ImportDialogModel model(document, table);
  json lines = json::array();
  for (std::size_t i = 0; i < model.lines().size(); ++i) {
    const interchange::ImportLine& line = model.lines()[i];
    lines.push_back({{"line", i},
                     {"name", platform::AnsiToUtf8(line.name)},
                     {"id", line.id},
                     {"month", line.month_index + 1},
                     {"late", line.late},
                     {"replaces", line.replaces},
                     {"remark_differs", line.remark_differs}});
  }
  json result{{"lines", lines}};
  if (options.apply) {
    const int count = static_cast<int>(model.lines().size());
    if (count == 0) return Refuse(context, Strings().Get(str::kCliImportNothing));
    std::vector<int> chosen;
    if (options.lines) {
      const auto parsed = ParseLines(*options.lines, count);
      if (!parsed)
        return Refuse(context, Strings().Format(str::kCliImportLines, {std::to_string(count - 1)}));
      chosen = *parsed;
    } else {
      for (int i = 0; i < count; ++i) chosen.push_back(i);
    }
    // The dialog merges in list order, whatever order the lines were named in.
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    const int merged = model.Merge(document, chosen);
    if (!document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
    result["merged"] = merged;
  }
  *context.out << result.dump(1) << '\n';
  return kExitDone;
}

}  // namespace ledra::cli
