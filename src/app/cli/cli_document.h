#pragma once
// Opening a data folder for a headless command.

#include <memory>
#include <optional>
#include <string>

#include "cli/cli_command.h"
#include "platform/prompter.h"
#include "store/document.h"

namespace ledra::cli {

// Messages go to the error stream; questions are answered "Cancel".
class StreamPrompter final : public Prompter {
 public:
  explicit StreamPrompter(std::ostream& err) : err_(err) {}
  void Inform(std::string_view text) override;
  Answer AskYesNoCancel(std::string_view text) override;
  Answer AskOkCancel(std::string_view text) override;

 private:
  std::ostream& err_;
};

struct CliDocument {
  std::unique_ptr<StreamPrompter> prompter;
  std::unique_ptr<store::Document> document;
};

// Opens the folder of `context`; a folder with a password opens only when
// `password` matches it. Reports a refusal on the error stream.
std::optional<CliDocument> OpenCliDocument(const CliContext& context, bool read_only,
                                           const std::optional<std::string>& password);

}  // namespace ledra::cli
