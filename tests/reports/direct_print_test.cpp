#include "reports/direct_print.h"

#include <gtest/gtest.h>

#include "platform/string_table.h"
#include "reports/recording_canvas.h"
#include "reports/status_list_printout.h"

namespace ledra::reports {
namespace {

// A printer that records what is drawn and how the sheets go.
struct FakePrinter final : PrinterPort {
  struct Job final : PrintJob {
    explicit Job(FakePrinter& p) : owner(p) {}
    Canvas& canvas() override { return owner.canvas; }
    void NewPage() override { ++owner.new_pages; }
    bool Finish() override {
      ++owner.finished;
      return owner.finish_ok;
    }
    FakePrinter& owner;
  };

  bool HasDefault() const override { return present; }
  std::unique_ptr<PrintJob> OpenDefault(std::string_view name) override {
    names.emplace_back(name);
    if (!starts) return nullptr;
    return std::make_unique<Job>(*this);
  }

  bool present = true, starts = true, finish_ok = true;
  RecordingCanvas canvas{600, 600};
  std::vector<std::string> names;
  int new_pages = 0, finished = 0;
};

DirectPrintRequest Request() {
  FontSpec text;
  text.height = -12;
  return {
      "Cart\xf5"
      "es",
      text, 96, 96};
}

void ThreePages(Canvas& c) {
  for (int i = 0; i < 3; ++i) {
    c.StartPage();
    c.Text(0, 0, std::to_string(i), HAlign::kLeft, VAlign::kTop);
    c.EndPage();
  }
}

TEST(DirectPrint, NoDefaultPrinterTellsTheUserAndDrawsNothing) {
  FakePrinter printer;
  printer.present = false;
  ScriptedPrompter prompter;
  bool drawn = false;
  EXPECT_EQ(PrintDirect(printer, prompter, Request(), [&](Canvas&) { drawn = true; }),
            DirectPrintOutcome::kNoPrinter);
  EXPECT_FALSE(drawn);
  EXPECT_TRUE(printer.names.empty()) << "no document is started";
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], Strings().Get(1234));
  EXPECT_EQ(prompter.shown[0].rfind("Nenhuma impressora", 0), 0u);
}

TEST(DirectPrint, DocumentIsNamedAndDrawnPageByPageWithTheScaledTextFont) {
  FakePrinter printer;
  ScriptedPrompter prompter;
  EXPECT_EQ(PrintDirect(printer, prompter, Request(), ThreePages), DirectPrintOutcome::kPrinted);
  EXPECT_EQ(printer.names, std::vector<std::string>{"Cart\xf5"
                                                    "es"});
  EXPECT_EQ(printer.new_pages, 2) << "the first page is the sheet the job starts on";
  EXPECT_EQ(printer.finished, 1);
  ASSERT_FALSE(printer.canvas.lines().empty());
  EXPECT_EQ(printer.canvas.lines().front().rfind("font -75 ", 0), 0u) << "-12 at 600 over 96 dpi";
  EXPECT_TRUE(prompter.shown.empty());
}

TEST(DirectPrint, AJobThatCannotStartOrFinishIsReported) {
  FakePrinter refuses;
  refuses.starts = false;
  ScriptedPrompter prompter;
  bool drawn = false;
  EXPECT_EQ(PrintDirect(refuses, prompter, Request(), [&](Canvas&) { drawn = true; }),
            DirectPrintOutcome::kFailed);
  EXPECT_FALSE(drawn);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_NE(prompter.shown[0].find("Cart\xf5"
                                   "es"),
            std::string::npos);

  FakePrinter fails;
  fails.finish_ok = false;
  ScriptedPrompter told;
  EXPECT_EQ(PrintDirect(fails, told, Request(), ThreePages), DirectPrintOutcome::kFailed);
  EXPECT_EQ(told.shown.size(), 1u);
}

TEST(DirectPrint, StatusListsPrintOneDocumentEachAtThePrintersResolution) {
  FakePrinter printer;
  ScriptedPrompter prompter;
  ReportEnv env;
  env.screen_dpi_x = env.screen_dpi_y = 96;
  env.printer_dpi_x = env.printer_dpi_y = 300;  // what the dialog thought; the job says 600
  StatusListDocument a, b;
  a.title = "Grupo 1";
  b.title = "Grupo 2";
  for (int i = 0; i < 120; ++i) b.entries.push_back({"x", "", ""});
  EXPECT_EQ(PrintStatusLists(printer, prompter, env, {a, b}), DirectPrintOutcome::kPrinted);
  EXPECT_EQ(printer.names, (std::vector<std::string>{"Grupo 1", "Grupo 2"}));
  EXPECT_EQ(printer.finished, 2);
  EXPECT_GE(printer.new_pages, 1) << "the long list breaks into sheets";
  EXPECT_NE(printer.canvas.Trace().find("text 600 300 left top \"Grupo 2\""), std::string::npos)
      << "one inch and half an inch of margin at 600 dpi";
}

TEST(DirectPrint, StatusListsStopAtTheFirstFailure) {
  FakePrinter printer;
  printer.present = false;
  ScriptedPrompter prompter;
  StatusListDocument a, b;
  EXPECT_EQ(PrintStatusLists(printer, prompter, ReportEnv{}, {a, b}),
            DirectPrintOutcome::kNoPrinter);
  EXPECT_EQ(prompter.shown.size(), 1u) << "told once, not once per list";
}

}  // namespace
}  // namespace ledra::reports
