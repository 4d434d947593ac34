#pragma once
// The import dialog without a window: the pick list of an import as JSON,
// or, with --apply, the merge of the chosen lines and the save.

#include <optional>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_document.h"
#include "interchange/import_table.h"

namespace ledra::cli {

struct ImportPickOptions {
  bool apply = false;
  std::optional<std::string> lines;  // "0,2": indexes into the pick list; default all
};

// Prints {"lines": [{name, id, month, late, replaces, remark_differs}]}; with
// apply also {"merged": n} after saving the folder.
int RunImportPickList(const CliContext& context, CliDocument& doc,
                      const interchange::ImportTable& table, const ImportPickOptions& options);

}  // namespace ledra::cli
