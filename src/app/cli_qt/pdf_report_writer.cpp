// The PDF half of `ledra-cli report`: linked into ledra-cli only in the build
// with Qt, it draws with the offscreen platform so that no display is needed.

#include <QGuiApplication>
#include <memory>

#include "cli/report_command.h"
#include "platform/qt/qt_direct_print.h"
#include "platform/qt/report_output.h"
#include "platform/string_ids.h"
#include "reports/report_kinds.h"

namespace ledra::cli {
namespace {

// The application object the drawing needs, made for the one call when the
// program has none.
std::unique_ptr<QGuiApplication> EnsureApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "ledra-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

Status WriteDocument(const std::filesystem::path& file,
                     const std::function<bool(PrinterPort&)>& print) {
  const auto app = EnsureApplication();
  qt::QtPrinterPort port(QString::fromStdString(file.string()));
  if (!print(port)) return Message{str::kCannotWriteFile, file.string()};
  return Status::Ok();
}

Status WritePdf(const reports::ReportEnv& env, const store::CongregationDatabase& db, int kind,
                int group, const std::filesystem::path& file) {
  const auto app = EnsureApplication();
  return qt::WriteReportPdf(QString::fromStdString(file.string()), env.printer_dpi_x,
                            reports::kPageWidthTenths, env.page_height_tenths, [&](Canvas& canvas) {
                              return reports::DrawReport(canvas, env, db, kind, group).value_or(1);
                            });
}

const bool kInstalled = [] {
  SetPdfReportWriter(&WritePdf);
  SetPdfDocumentWriter(&WriteDocument);
  return true;
}();

}  // namespace
}  // namespace ledra::cli
