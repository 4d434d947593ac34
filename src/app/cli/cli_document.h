#pragma once
// Opening a data folder for a headless command.

#include <memory>
#include <optional>
#include <string>

#include "cli/cli_command.h"
#include "platform/folder_lock.h"
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
  CliDocument() = default;
  CliDocument(CliDocument&&) = default;
  CliDocument& operator=(CliDocument&&) = default;
  // A writing command that ends removes the remarks' undo copy, as the
  // program does on leaving.
  ~CliDocument() {
    if (document && lock) document->DeleteRemarkUndo();
  }

  // Held for as long as a writing command runs, like the window holds it.
  std::optional<platform::FolderLock> lock;
  std::unique_ptr<StreamPrompter> prompter;
  std::unique_ptr<store::Document> document;
};

// An opened folder, or the exit code of a refusal (2) or failure (1) that
// has already been reported on the error stream.
class CliOpen {
 public:
  CliOpen(CliDocument doc) : doc_(std::move(doc)) {}  // NOLINT(google-explicit-constructor)
  explicit CliOpen(int exit_code) : exit_code_(exit_code) {}
  explicit operator bool() const { return doc_.has_value(); }
  CliDocument* operator->() { return &*doc_; }
  CliDocument& operator*() { return *doc_; }
  int exit_code() const { return exit_code_; }

 private:
  std::optional<CliDocument> doc_;
  int exit_code_ = 0;
};

enum class CliAccess {
  kRead,   // reads only; works while another program holds the folder
  kWrite,  // takes the folder's lock and refuses a damaged or read-only folder
  // Takes the lock but accepts a damaged folder: a restore is how one is mended.
  kRepair,
};

// Opens the folder of `context`; a folder with a password opens only when
// `password` matches it. Reports a refusal on the error stream.
CliOpen OpenCliDocument(const CliContext& context, CliAccess access,
                        const std::optional<std::string>& password);

// The older form: writing (`read_only` false) or reading.
inline CliOpen OpenCliDocument(const CliContext& context, bool read_only,
                               const std::optional<std::string>& password) {
  return OpenCliDocument(context, read_only ? CliAccess::kRead : CliAccess::kWrite, password);
}

}  // namespace ledra::cli
