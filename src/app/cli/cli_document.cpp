#include "cli/cli_document.h"

#include <ostream>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {

void StreamPrompter::Inform(std::string_view text) {
  PrintAnsi(err_, text);
}

Answer StreamPrompter::AskYesNoCancel(std::string_view text) {
  PrintAnsi(err_, text);
  return Answer::kCancel;
}

Answer StreamPrompter::AskOkCancel(std::string_view text) {
  PrintAnsi(err_, text);
  return Answer::kCancel;
}

std::optional<CliDocument> OpenCliDocument(const CliContext& context, bool read_only,
                                           const std::optional<std::string>& password) {
  if (!platform::FolderExists(context.data_dir)) {
    PrintAnsi(*context.err, Strings().Format(str::kCliNoSuchFolder,
                                             {platform::PathForMessage(context.data_dir)}));
    return std::nullopt;
  }
  CliDocument doc;
  doc.prompter = std::make_unique<StreamPrompter>(*context.err);
  doc.document = std::make_unique<store::Document>(context.data_dir, *context.clock, *doc.prompter);
  store::OpenOptions options;
  options.read_only = read_only;
  options.check_password = [&password](const std::string& actual) {
    return password && platform::Utf8ToAnsi(*password).text == actual;
  };
  if (doc.document->Open(options) != store::OpenOutcome::kOpened) {
    PrintAnsi(*context.err, Strings().Get(str::kCliNeedsPassword));
    return std::nullopt;
  }
  return doc;
}

}  // namespace ledra::cli
