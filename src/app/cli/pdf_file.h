#pragma once
// Writing what a command drew: a PDF file, or the trace of its drawing
// operations, with the program's own words when the file cannot be written.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/cli_command.h"
#include "platform/result.h"
#include "reports/recording_canvas.h"
#include "store/congregation_database.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace ledra::cli {

// `--pdf FILE` or `--trace [FILE]` (the output when no file), exactly one.
struct PdfOrTrace {
  std::filesystem::path pdf, trace;
  CLI::Option* trace_option = nullptr;
  void AddOptions(CLI::App& command, std::string_view what);
  bool tracing() const;
  // Tells the user and gives false unless exactly one was given.
  bool Check(const CliContext& context) const;
};

// Writes the PDF file through `write`; a file that cannot be written is told
// and, when it is new, not left behind. `can_write` is false in the build
// without Qt.
int WritePdfFile(const CliContext& context, const std::filesystem::path& file, bool can_write,
                 const std::function<Status()>& write);

// "pages N", then the operations; "-" or an empty path writes to the output.
int WriteTraceFile(const CliContext& context, const std::filesystem::path& file, int pages,
                   const reports::RecordingCanvas& canvas);

// "a,b,c": publisher ids, each one known; otherwise the bad piece is told.
std::optional<std::vector<std::uint16_t>> ParseIdList(const CliContext& context,
                                                      std::string_view text,
                                                      const store::CongregationDatabase& db);

}  // namespace ledra::cli
