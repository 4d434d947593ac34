#include "reports/record_card_print.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::reports {

CardPrintOutcome PrintRecordCards(PrinterPort& printers, Prompter& prompter,
                                  std::string_view document_name, int count,
                                  const CardSource& card_at, std::string_view language_code,
                                  const CardProgress& progress) {
  std::unique_ptr<PrintJob> job =
      printers.HasDefault() ? printers.OpenDefault(document_name) : nullptr;
  if (!job) {
    prompter.Inform(Strings().Get(str::kPrinterMissing));
    return CardPrintOutcome::kNoPrinter;
  }
  CardStyle style;
  style.paper_height_tenths = job->paper_height_tenths();
  style.language_code = std::string(language_code);
  for (int i = 0; i < count; ++i) {
    if (i > 0) job->NewPage();
    DrawRecordCard(job->canvas(), card_at(i), style);
    if (progress && !progress(i + 1, count)) {
      (void)job->Finish();
      return CardPrintOutcome::kCancelled;
    }
  }
  return job->Finish() ? CardPrintOutcome::kPrinted : CardPrintOutcome::kFailed;
}

}  // namespace ledra::reports
