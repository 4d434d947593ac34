#pragma once
// `ledra-cli report`: draws a report into a trace of drawing operations or,
// in the build with Qt, into a PDF file.

#include <filesystem>
#include <functional>
#include <memory>

#include "cli/cli_command.h"
#include "platform/result.h"
#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::cli {

// Writes one report as a PDF file; installed by the part of ledra-cli that links Qt.
using PdfReportWriter =
    std::function<Status(const reports::ReportEnv& env, const store::CongregationDatabase& db,
                         int kind, int group, const std::filesystem::path& file)>;
void SetPdfReportWriter(PdfReportWriter writer);

std::unique_ptr<CliCommand> MakeReportCommand();

}  // namespace ledra::cli
