// The PDF half of `ledra-cli report`: linked into ledra-cli only in the build
// with Qt, it draws with the offscreen platform so that no display is needed.

#include <QGuiApplication>
#include <memory>

#include "cli/report_command.h"
#include "platform/qt/report_output.h"
#include "reports/report_kinds.h"

namespace ledra::cli {
namespace {

Status WritePdf(const reports::ReportEnv& env, const store::CongregationDatabase& db, int kind,
                int group, const std::filesystem::path& file) {
  std::unique_ptr<QGuiApplication> app;
  if (QGuiApplication::instance() == nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ledra-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  return qt::WriteReportPdf(QString::fromStdString(file.string()), env.printer_dpi_x,
                            reports::kPageWidthTenths, env.page_height_tenths, [&](Canvas& canvas) {
                              return reports::DrawReport(canvas, env, db, kind, group).value_or(1);
                            });
}

const bool kInstalled = [] {
  SetPdfReportWriter(&WritePdf);
  return true;
}();

}  // namespace
}  // namespace ledra::cli
