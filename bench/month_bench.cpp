// Starting a month on a full folder (1,509 people, every table at its
// capacity): the steps on the records alone, with the copy of the data files,
// with the copy and the all-or-nothing save, and `ledra-cli month start` as
// a whole command.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "activity/month_dialog_model.h"
#include "activity/month_lifecycle.h"
#include "activity/report_sheet.h"
#include "activity/sheet_list.h"
#include "activity/sheet_totals.h"
#include "activity/start_month.h"
#include "app/month_start_copier.h"
#include "cli/cli_command.h"
#include "full_folder.h"
#include "platform/files.h"
#include "store/demo_congregation.h"
#include "store/document.h"
#include "support/temp_folder.h"

namespace {

using namespace ledra;

// The 3rd: a start asks nothing.
const FixedClock kClock(Date{2026, 12, 3});

using bench::FullFolder;

// A fresh copy of the full folder for each start, made outside the timing.
platform::Path FreshCopy(const platform::Path& work) {
  std::filesystem::remove_all(work);
  std::filesystem::copy(FullFolder(), work, std::filesystem::copy_options::recursive);
  return work;
}

void BM_StartMonthRecords(benchmark::State& state) {
  ScriptedPrompter prompter;
  store::Document doc(FullFolder(), kClock, prompter);
  store::OpenOptions options;
  options.read_only = true;
  doc.Open(options);
  const store::CongregationDatabase original = doc.db();
  for (auto _ : state) {
    state.PauseTiming();
    store::CongregationDatabase db = original;
    state.ResumeTiming();
    const auto& m = db.month();
    benchmark::DoNotOptimize(
        activity::StartMonthRecords(db, m.report_month_index, m.report_year % 2, prompter));
  }
}
BENCHMARK(BM_StartMonthRecords)->Unit(benchmark::kMillisecond);

void StartThroughDocument(benchmark::State& state, bool save) {
  TempFolder scratch;
  ScriptedPrompter prompter;
  for (auto _ : state) {
    state.PauseTiming();
    const platform::Path folder = FreshCopy(scratch.path() / "work");
    store::Document doc(folder, kClock, prompter);
    doc.Open({});
    state.ResumeTiming();
    const activity::MonthDialogModel dialog(activity::MonthDialogInputs::From(doc.db()));
    const activity::MonthChoice choice = dialog.Start(doc.db(), false);
    benchmark::DoNotOptimize(
        activity::ApplyMonthChoice(doc, choice, prompter, app::MonthStartCopier(doc)).started);
    if (save) benchmark::DoNotOptimize(doc.SaveCommand(false).ok());
  }
}

void BM_StartWithCopy(benchmark::State& state) {
  StartThroughDocument(state, false);
}
BENCHMARK(BM_StartWithCopy)->Unit(benchmark::kMillisecond);

void BM_StartWithCopyAndSave(benchmark::State& state) {
  StartThroughDocument(state, true);
}
BENCHMARK(BM_StartWithCopyAndSave)->Unit(benchmark::kMillisecond);

// The whole command in process: opening with the lock, the start, the save
// and the JSON.
void BM_CliMonthStart(benchmark::State& state) {
  TempFolder scratch;
  for (auto _ : state) {
    state.PauseTiming();
    const platform::Path folder = FreshCopy(scratch.path() / "work");
    const std::string data = folder.string();
    const char* argv[] = {"ledra-cli",  "month",   "start",     "--data",
                          data.c_str(), "--today", "2026-12-03"};
    std::ostringstream out, err;
    // The full folder comes with its month open: closed first, as a start needs.
    const char* close[] = {"ledra-cli",  "month",   "close",     "--data",
                           data.c_str(), "--today", "2026-12-03"};
    if (cli::RunCli(7, close, out, err) != 0) state.SkipWithError("month close failed");
    state.ResumeTiming();
    if (cli::RunCli(7, argv, out, err) != 0) state.SkipWithError("month start failed");
  }
}
BENCHMARK(BM_CliMonthStart)->Unit(benchmark::kMillisecond);

// One sheet on the full folder: opening it, typing a report, OK (which
// recomputes the month's totals) and the list with its totals box again;
// the file save is apart.
void BM_SheetOpenSaveRefresh(benchmark::State& state) {
  TempFolder scratch;
  ScriptedPrompter prompter;
  const platform::Path folder = FreshCopy(scratch.path() / "work");
  store::Document doc(folder, kClock, prompter);
  doc.Open({});
  const activity::MonthDialogModel dialog(activity::MonthDialogInputs::From(doc.db()));
  if (!activity::ReportMonthOpen(doc.db()))
    (void)activity::ApplyMonthChoice(doc, dialog.Start(doc.db(), false), prompter,
                                     app::MonthStartCopier(doc));
  const auto& active = doc.db().status_list(store::ListType::kActive);
  std::size_t next = 0;
  int studies = 0;
  for (auto _ : state) {
    const int row = active[next++ % active.size()].row;
    activity::ReportSheet sheet(doc, row);
    sheet.SetParticipated(true);
    sheet.SetStudiesText(std::to_string(++studies % 10));
    benchmark::DoNotOptimize(sheet.Save().ok());
    activity::SheetList list(doc.db());
    benchmark::DoNotOptimize(list.Lines().size());
    benchmark::DoNotOptimize(
        activity::SheetTotalsFrom(activity::ComputeBranchTotals(doc.db()), true).total.reports);
  }
}
BENCHMARK(BM_SheetOpenSaveRefresh)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
