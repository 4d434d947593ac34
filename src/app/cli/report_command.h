#pragma once
// `ledra-cli report`: draws a report into a trace of drawing operations or,
// in the build with Qt, into a PDF file.

#include <filesystem>
#include <functional>
#include <memory>

#include "cli/cli_command.h"
#include "platform/printer_port.h"
#include "platform/result.h"
#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::cli {

// Writes one report as a PDF file; installed by the part of ledra-cli that links Qt.
using PdfReportWriter =
    std::function<Status(const reports::ReportEnv& env, const store::CongregationDatabase& db,
                         int kind, int group, const std::filesystem::path& file)>;
void SetPdfReportWriter(PdfReportWriter writer);

// Prints a document of a dialog's own into a PDF file through a printer port
// standing for that file; `print` answers whether the document printed.
using PdfDocumentWriter = std::function<Status(const std::filesystem::path& file,
                                               const std::function<bool(PrinterPort&)>& print)>;
void SetPdfDocumentWriter(PdfDocumentWriter writer);

// The writers installed (empty in the build without Qt).
const PdfReportWriter& InstalledPdfReportWriter();
const PdfDocumentWriter& InstalledPdfDocumentWriter();

std::unique_ptr<CliCommand> MakeReportCommand();

}  // namespace ledra::cli
