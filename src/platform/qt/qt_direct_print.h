#pragma once
// The default printer behind the direct printing of dialogs: a QPrinter
// opened on it, a painter, and the report canvas on that painter.

#include <QString>
#include <memory>
#include <string_view>

#include "platform/prompter.h"
#include "reports/direct_print.h"

namespace ledra::qt {

class QtPrinterPort final : public reports::PrinterPort {
 public:
  QtPrinterPort() = default;
  // Prints into a PDF file instead, as if it were the default printer (tests,
  // and the print-to-file of a future dialog).
  explicit QtPrinterPort(QString pdf_file) : pdf_file_(std::move(pdf_file)) {}

  bool HasDefault() const override;
  std::unique_ptr<reports::PrintJob> OpenDefault(std::string_view document_name) override;

 private:
  QString pdf_file_;
};

// Prints a document of a dialog's own on the default printer; without one
// the user is told so through `prompter` and nothing is drawn.
reports::DirectPrintOutcome PrintDirect(Prompter& prompter,
                                        const reports::DirectPrintRequest& request,
                                        const reports::PageDrawer& draw);

}  // namespace ledra::qt
