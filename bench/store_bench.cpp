// Load and save of a full table (1,509 people) through the document.

#include <benchmark/benchmark.h>

#include "platform/files.h"
#include "platform/prompter.h"
#include "store/document.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace {

using namespace ledra;

std::string FullMainFile() {
  std::string file = test::HeaderRecord(23);
  for (int i = 0; i < 1509; ++i) {
    std::string p =
        test::PersonRecord(23, static_cast<std::uint16_t>(100 + i), "Nome" + std::to_string(i % 97),
                           "Apelido" + std::to_string((i * 7919) % 1509));
    for (int s = 0; s < 36; ++s)
      test::Put16(p, 384 + 2 * s, static_cast<std::uint16_t>(s + i % 10));
    file += p;
  }
  return file;
}

void BM_LoadFullTable(benchmark::State& state) {
  TempFolder folder;
  WriteFixture(folder.path() / "tdat9.bin", FullMainFile());
  FixedClock clock(Date{2026, 12, 8});
  ScriptedPrompter prompter;
  for (auto _ : state) {
    store::Document doc(folder.path(), clock, prompter);
    doc.Open({});
    benchmark::DoNotOptimize(doc.db().count());
  }
}
BENCHMARK(BM_LoadFullTable)->Unit(benchmark::kMillisecond);

void BM_SaveFullTable(benchmark::State& state) {
  TempFolder folder;
  WriteFixture(folder.path() / "tdat9.bin", FullMainFile());
  FixedClock clock(Date{2026, 12, 8});
  ScriptedPrompter prompter;
  store::Document doc(folder.path(), clock, prompter);
  doc.Open({});
  for (auto _ : state) benchmark::DoNotOptimize(doc.SaveAll().ok());
}
BENCHMARK(BM_SaveFullTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
