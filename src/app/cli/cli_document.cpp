#include "cli/cli_document.h"

#include <ostream>

#include "platform/codepage.h"
#include "platform/files.h"

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
    *context.err << "ledra-cli: no such folder: " << context.data_dir.string() << '\n';
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
    *context.err
        << "ledra-cli: the data folder is protected by a password; give it with --password\n";
    return std::nullopt;
  }
  return doc;
}

}  // namespace ledra::cli
