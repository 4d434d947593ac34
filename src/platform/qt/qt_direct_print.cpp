#include "platform/qt/qt_direct_print.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"

namespace ledra::qt {
namespace {

class QtPrintJob final : public PrintJob {
 public:
  // `printer` is set up but not yet painted on.
  explicit QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

  bool Start() {
    if (!painter_.begin(printer_.get())) return false;
    const int dpi = printer_->resolution();
    canvas_.emplace(painter_, dpi, dpi);
    return true;
  }
  Canvas& canvas() override { return *canvas_; }
  void NewPage() override { printer_->newPage(); }
  bool Finish() override { return painter_.end(); }
  int paper_height_tenths() const override {
    return static_cast<int>(printer_->pageLayout().fullRect(QPageLayout::Inch).height() * 10);
  }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  std::optional<QtCanvas> canvas_;
};

}  // namespace

namespace {

QPrinterInfo Chosen(const QString& name) {
  if (!name.isEmpty()) {
    const QPrinterInfo named = QPrinterInfo::printerInfo(name);
    if (!named.isNull()) return named;
  }
  return QPrinterInfo::defaultPrinter();
}

}  // namespace

bool QtPrinterPort::HasDefault() const {
  return !pdf_file_.isEmpty() || !Chosen(printer_name_).isNull();
}

std::unique_ptr<PrintJob> QtPrinterPort::OpenDefault(std::string_view document_name) {
  std::unique_ptr<QPrinter> printer;
  if (pdf_file_.isEmpty()) {
    const QPrinterInfo info = Chosen(printer_name_);
    if (info.isNull()) return nullptr;
    printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  } else {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf_file_);
  }
  printer->setDocName(FromAnsi(document_name));
  // The layouts measure from the paper's edge.
  printer->setFullPage(true);
  auto job = std::make_unique<QtPrintJob>(std::move(printer));
  if (!job->Start()) return nullptr;
  return job;
}

}  // namespace ledra::qt
