#pragma once
// The default printer behind the direct printing of dialogs: a QPrinter
// opened on it, a painter, and the canvas on that painter.

#include <QString>
#include <memory>
#include <string_view>

#include "platform/printer_port.h"

namespace ledra::qt {

class QtPrinterPort final : public PrinterPort {
 public:
  QtPrinterPort() = default;
  // Prints into a PDF file instead, as if it were the default printer (tests,
  // and the print-to-file of a future dialog).
  explicit QtPrinterPort(QString pdf_file) : pdf_file_(std::move(pdf_file)) {}

  // The printer chosen in the print set-up instead of the default one (empty:
  // the default).
  void set_printer_name(QString name) { printer_name_ = std::move(name); }

  bool HasDefault() const override;
  std::unique_ptr<PrintJob> OpenDefault(std::string_view document_name) override;

 private:
  QString pdf_file_;
  QString printer_name_;
};

}  // namespace ledra::qt
