// Record cards on a full folder (1,509 people): the card's content built for
// every active and inactive publisher, and every card drawn for the printer.
// The PDF itself is measured as a whole process (README).

#include <benchmark/benchmark.h>

#include "full_folder.h"
#include "platform/prompter.h"
#include "records/record_card_dialog.h"
#include "reports/record_card_page.h"
#include "reports/recording_canvas.h"
#include "store/document.h"

namespace {

using namespace ledra;

using bench::FullDocument;

std::vector<int> EveryFile(const records::RecordCardDialogModel& model) {
  std::vector<int> rows = model.FileRows(false);
  for (int row : model.FileRows(true)) rows.push_back(row);
  return rows;
}

void BM_BuildEveryCard(benchmark::State& state) {
  const store::Settings settings;
  const records::RecordCardDialogModel model(FullDocument(), settings);
  const std::vector<int> rows = EveryFile(model);
  for (auto _ : state)
    for (int row : rows) benchmark::DoNotOptimize(model.PrintedCard(row));
  state.counters["cards"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_BuildEveryCard)->Unit(benchmark::kMillisecond);

void BM_DrawEveryCard(benchmark::State& state) {
  const store::Settings settings;
  const records::RecordCardDialogModel model(FullDocument(), settings);
  const std::vector<int> rows = EveryFile(model);
  const reports::CardStyle style;
  for (auto _ : state) {
    reports::RecordingCanvas canvas(600, 600);
    for (int row : rows) reports::DrawRecordCard(canvas, model.PrintedCard(row), style);
  }
  state.counters["cards"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_DrawEveryCard)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
