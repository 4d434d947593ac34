// The report to the branch and the congregation analysis on a full folder
// (1,509 people): the totals alone, the analysis lines with every rule behind
// their marks, the whole strip of pages drawn, and its first page only.

#include <benchmark/benchmark.h>

#include "activity/branch_totals.h"
#include "activity/congregation_analysis.h"
#include "full_folder.h"
#include "platform/prompter.h"
#include "reports/analysis_page.h"
#include "reports/recording_canvas.h"
#include "reports/report_kinds.h"
#include "store/document.h"

namespace {

using namespace ledra;

using bench::FullDocument;

void BM_ComputeBranchTotals(benchmark::State& state) {
  store::CongregationDatabase& db = FullDocument().db();
  for (auto _ : state) benchmark::DoNotOptimize(activity::ComputeBranchTotals(db));
}
BENCHMARK(BM_ComputeBranchTotals)->Unit(benchmark::kMicrosecond);

void BM_BuildAnalysis(benchmark::State& state) {
  const store::CongregationDatabase& db = FullDocument().db();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        activity::BuildAnalysis(db, activity::AnalysisOrder::kPioneersThenGroups, 0, true));
}
BENCHMARK(BM_BuildAnalysis)->Unit(benchmark::kMillisecond);

// Every page, as printing or a PDF draws it.
void BM_DrawCongregationAnalysis(benchmark::State& state) {
  const store::CongregationDatabase& db = FullDocument().db();
  reports::ReportEnv env;
  env.printed = true;
  for (auto _ : state) {
    reports::RecordingCanvas canvas(300, 300);
    const auto pages = reports::DrawReport(canvas, env, db, reports::kAnalysisCongregation, 0);
    state.counters["pages"] = static_cast<double>(pages.value_or(0));
  }
}
BENCHMARK(BM_DrawCongregationAnalysis)->Unit(benchmark::kMillisecond);

// The screen draws the strip clipped to the window: the cost of the first
// page shown is the cost of the drawing routine.
void BM_DrawCongregationAnalysisOnScreen(benchmark::State& state) {
  const store::CongregationDatabase& db = FullDocument().db();
  reports::ReportEnv env;
  for (auto _ : state) {
    reports::RecordingCanvas canvas(env.screen_dpi_x, env.screen_dpi_y);
    benchmark::DoNotOptimize(
        reports::DrawReport(canvas, env, db, reports::kAnalysisCongregation, 0));
  }
}
BENCHMARK(BM_DrawCongregationAnalysisOnScreen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
