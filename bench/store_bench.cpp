// Load, save and dump of the demonstration folder and of a full folder (every
// table at its capacity), through the program's own document.

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "cli/cli_command.h"
#include "cli/database_json.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "store/demo_congregation.h"
#include "store/document.h"
#include "support/temp_folder.h"

namespace {

using namespace ledra;

const FixedClock kClock(Date{2026, 12, 8});

// Each folder is written once per run.
const platform::Path& Folder(bool full) {
  static TempFolder demo_folder, full_folder;
  static bool made[2] = {false, false};
  const TempFolder& folder = full ? full_folder : demo_folder;
  if (!made[full]) {
    ScriptedPrompter prompter;
    store::DemoOptions options;
    options.full = full;
    (void)store::WriteDemoCongregation(folder.path() / "data", options, prompter);
    made[full] = true;
  }
  static platform::Path paths[2];
  paths[full] = folder.path() / "data";
  return paths[full];
}

// Opens a folder as `ledra-cli dump` does: reading only.
std::unique_ptr<store::Document> OpenReadOnly(const platform::Path& folder, Prompter& prompter) {
  auto doc = std::make_unique<store::Document>(folder, kClock, prompter);
  store::OpenOptions options;
  options.read_only = true;
  doc->Open(options);
  return doc;
}

void BM_Load(benchmark::State& state) {
  const platform::Path& folder = Folder(state.range(0) != 0);
  ScriptedPrompter prompter;
  for (auto _ : state) benchmark::DoNotOptimize(OpenReadOnly(folder, prompter)->db().count());
}
BENCHMARK(BM_Load)->Arg(0)->Arg(1)->ArgName("full")->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  const platform::Path& folder = Folder(state.range(0) != 0);
  ScriptedPrompter prompter;
  store::Document doc(folder, kClock, prompter);
  doc.Open({});
  for (auto _ : state) benchmark::DoNotOptimize(doc.SaveAll().ok());
}
BENCHMARK(BM_Save)->Arg(0)->Arg(1)->ArgName("full")->Unit(benchmark::kMillisecond);

// `ledra-cli resave` as a whole: the lock, a writable opening (undo copy of the
// remarks included), the save of every file and the settings.
void BM_Resave(benchmark::State& state) {
  const std::string folder = Folder(state.range(0) != 0).string();
  const char* const argv[] = {"ledra-cli",    "resave",  "--data",
                              folder.c_str(), "--today", "2026-12-08"};
  std::ostringstream out, err;
  for (auto _ : state) {
    if (cli::RunCli(6, argv, out, err) != 0) state.SkipWithError(err.str().c_str());
  }
}
BENCHMARK(BM_Resave)->Arg(0)->Arg(1)->ArgName("full")->Unit(benchmark::kMillisecond);

// `ledra-cli dump`: reading the folder and streaming its JSON.
void BM_Dump(benchmark::State& state) {
  const platform::Path& folder = Folder(state.range(0) != 0);
  ScriptedPrompter prompter;
  for (auto _ : state) {
    std::ostringstream out;
    cli::WriteDatabaseJson(*OpenReadOnly(folder, prompter), out);
    benchmark::DoNotOptimize(out.tellp());
  }
}
BENCHMARK(BM_Dump)->Arg(0)->Arg(1)->ArgName("full")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
