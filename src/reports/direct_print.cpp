#include "reports/direct_print.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/report_fonts.h"

namespace ledra::reports {
namespace {

constexpr int kPrintFailed = 25102;

}  // namespace

void PageBreakCanvas::StartPage() {
  if (pages_ > 0) job_.NewPage();
  ++pages_;
  inner_.StartPage();
}

DirectPrintOutcome PrintDirect(PrinterPort& printers, Prompter& prompter,
                               const DirectPrintRequest& request, const PageDrawer& draw) {
  if (!printers.HasDefault()) {
    prompter.Inform(Strings().Get(str::kPrinterMissing));
    return DirectPrintOutcome::kNoPrinter;
  }
  std::unique_ptr<PrintJob> job = printers.OpenDefault(request.document_name);
  if (!job) {
    prompter.Inform(FormatInsert(Strings().Get(kPrintFailed), {request.document_name}));
    return DirectPrintOutcome::kFailed;
  }
  PageBreakCanvas canvas(*job);
  canvas.SetFont(ScaleToPrinter(request.text_font, canvas.dpi_x(), canvas.dpi_y(),
                                request.screen_dpi_x, request.screen_dpi_y));
  draw(canvas);
  if (!job->Finish()) {
    prompter.Inform(FormatInsert(Strings().Get(kPrintFailed), {request.document_name}));
    return DirectPrintOutcome::kFailed;
  }
  return DirectPrintOutcome::kPrinted;
}

}  // namespace ledra::reports
