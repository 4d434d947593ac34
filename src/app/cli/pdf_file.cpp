#include "cli/pdf_file.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <ostream>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {

void PdfOrTrace::AddOptions(CLI::App& command, std::string_view what) {
  command.add_option("--pdf", pdf, "Write " + std::string(what) + " as a PDF file");
  trace_option = command.add_option("--trace", trace, "Write the drawing operations (file or -)")
                     ->expected(0, 1);
}

bool PdfOrTrace::tracing() const {
  return trace_option != nullptr && trace_option->count() > 0;
}

bool PdfOrTrace::Check(const CliContext& context) const {
  if (!pdf.empty() != tracing()) return true;
  (void)Refuse(context, Strings().Get(str::kCliPdfOrTrace));
  return false;
}

int WritePdfFile(const CliContext& context, const std::filesystem::path& file, bool can_write,
                 const std::function<Status()>& write) {
  std::ostream& err = *context.err;
  if (!can_write) {
    PrintAnsi(err, Strings().Get(str::kCliNoPdf));
    return kExitFailed;
  }
  // The drawing library's own words for a file it cannot create are not
  // the user's: try the file first.
  const bool existed = platform::FileExists(file);
  if (!std::ofstream(file, std::ios::binary | std::ios::app)) {
    PrintAnsi(err, Strings().Format(str::kCannotWriteFile, {platform::PathForMessage(file)}));
    return kExitFailed;
  }
  if (!write().ok()) {
    if (!existed) (void)platform::DeleteFile(file);
    PrintAnsi(err, Strings().Format(str::kCannotWriteFile, {platform::PathForMessage(file)}));
    return kExitFailed;
  }
  return kExitDone;
}

int WriteTraceFile(const CliContext& context, const std::filesystem::path& file, int pages,
                   const reports::RecordingCanvas& canvas) {
  if (file.empty() || file == "-") {
    *context.out << "pages " << pages << '\n' << canvas.Trace();
    return kExitDone;
  }
  std::ofstream out(file, std::ios::binary);
  out << "pages " << pages << '\n' << canvas.Trace();
  if (!out.good()) {
    PrintAnsi(*context.err,
              Strings().Format(str::kCannotWriteFile, {platform::PathForMessage(file)}));
    return kExitFailed;
  }
  return kExitDone;
}

std::optional<std::vector<std::uint16_t>> ParseIdList(const CliContext& context,
                                                      std::string_view text,
                                                      const store::CongregationDatabase& db) {
  std::vector<std::uint16_t> ids;
  for (std::size_t start = 0; !text.empty() && start <= text.size();) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string piece(text.substr(start, comma - start));
    const auto id = ParseNumber(piece);
    if (!id || *id < 1 || *id > 65535 || db.FindRow(static_cast<std::uint16_t>(*id)) == 0) {
      (void)Refuse(context,
                   Strings().Format(str::kCliNoSuchPublisher, {platform::Utf8ToAnsi(piece).text}));
      return std::nullopt;
    }
    ids.push_back(static_cast<std::uint16_t>(*id));
    start = comma + 1;
  }
  return ids;
}

}  // namespace ledra::cli
