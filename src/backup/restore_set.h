#pragma once
// Restoring a backup set into the data folder, and undoing the last restore.
//
// The data files as they were before a restore are kept in the undo area
// "unrestore" under the data folder. Restoring the undo area itself is an
// undo: the current files go to "unrestore_tmp", which then becomes the undo
// area, so that an undo can itself be undone. If a copy into the data folder
// fails, the folder is put back from the files just saved.

#include <functional>
#include <string>

#include "backup/set_copy.h"
#include "platform/files.h"
#include "platform/result.h"

namespace ledra::store {
class Document;
}

namespace ledra::backup {

// Asked with the set's password (ANSI) when the set is protected; returns
// whether the secretary typed it.
using PasswordAsk = std::function<bool(const std::string& password)>;

// The password of the set's main file header ("" when none or unreadable).
Result<std::string> SetPassword(const platform::Path& set_folder);

// Whether the undo area holds a usable set (the undo is offered).
bool CanUndoRestore(const platform::Path& data_folder);

// Restores `set_folder` (the undo area for an undo) into the document's data
// folder and reloads the document. Nothing in the data folder changes when the
// set is unusable, the password is refused or saving the current files fails.
Status RunRestore(store::Document& document, const platform::Path& set_folder,
                  const PasswordAsk& ask_password, const CopyProgress& progress);

// The same on the folders alone, for the document-free parts of the tests:
// the data folder is left as the set holds it.
Status RestoreFolder(const platform::Path& data_folder, const platform::Path& set_folder,
                     const CopyProgress& progress);

}  // namespace ledra::backup
