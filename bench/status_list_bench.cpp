// Every status list on a full folder (1,509 people, every side table full):
// the lines of each kind as the dialog builds them, with the kind's widest
// period, and `ledra-cli list irregular` as a whole command.

#include <benchmark/benchmark.h>

#include <sstream>

#include "activity/status_list.h"
#include "cli/cli_command.h"
#include "full_folder.h"
#include "store/demo_congregation.h"
#include "store/document.h"
#include "support/temp_folder.h"

namespace {

using namespace ledra;

const FixedClock kClock(Date{2026, 12, 9});

using bench::FullFolder;

const store::CongregationDatabase& FullDatabase() {
  static ScriptedPrompter prompter;
  static store::Document doc(FullFolder(), kClock, prompter);
  static const bool opened = [] {
    store::OpenOptions options;
    options.read_only = true;
    doc.Open(options);
    return true;
  }();
  (void)opened;
  return doc.db();
}

// The full folder with a special need on every tenth active publisher, so
// that the special-needs list is offered too.
const store::CongregationDatabase& WithNeeds() {
  static const store::CongregationDatabase db = [] {
    store::CongregationDatabase copy = FullDatabase();
    const auto& active = copy.status_list(store::ListType::kActive);
    for (std::size_t i = 0; i < active.size(); i += 10)
      copy.row(active[i].row).set_special_ministry_bits(store::kSpecialMinistryValid | 1);
    return copy;
  }();
  return db;
}

void BM_StatusList(benchmark::State& state) {
  const auto kind = static_cast<activity::StatusListKind>(state.range(0));
  const store::CongregationDatabase& db = WithNeeds();
  const activity::StatusList list(db, {true, "Especial"});
  if (!list.Offered(kind)) {
    state.SkipWithError("not offered on this folder");
    return;
  }
  activity::StatusListChoice choice;
  choice.kind = kind;
  if (const auto periods = activity::StatusList::Periods(kind); !periods.empty())
    choice.period = periods.back();
  std::size_t lines = 0;
  for (auto _ : state) {
    auto page = list.Build(choice);
    lines = page ? page->lines.size() : 0;
    benchmark::DoNotOptimize(page);
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_StatusList)->DenseRange(0, 17)->Unit(benchmark::kMillisecond);

// Opening the folder read-only, the list and its JSON.
void BM_CliListIrregular(benchmark::State& state) {
  const std::string data = FullFolder().string();
  const char* argv[] = {"ledra-cli",  "list",    "irregular", "--data",
                        data.c_str(), "--today", "2026-12-09"};
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(cli::RunCli(7, argv, out, err));
  }
}
BENCHMARK(BM_CliListIrregular)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
