#pragma once
// Printing record cards, one card a page in one document: one card, the
// chosen ones or a whole file. The same routine writes the PDF files, through
// a port that prints into a file.

#include <functional>
#include <string_view>

#include "platform/printer_port.h"
#include "platform/prompter.h"
#include "reports/record_card_page.h"

namespace ledra::reports {

enum class CardPrintOutcome { kPrinted, kNoPrinter, kFailed, kCancelled };

// The card of the i-th page (0-based).
using CardSource = std::function<records::RecordCard(int index)>;
// Told after each page (pages done, of how many); false stops the printing.
using CardProgress = std::function<bool(int done, int total)>;

// Without a default printer the user is told so (string 1234) and nothing
// is drawn. A cancelled document is ended as it stands; the caller removes a
// file it asked for.
CardPrintOutcome PrintRecordCards(PrinterPort& printers, Prompter& prompter,
                                  std::string_view document_name, int count,
                                  const CardSource& card_at, std::string_view language_code,
                                  const CardProgress& progress = {});

}  // namespace ledra::reports
