#pragma once
// All-or-nothing replacement of several files of one folder. Every new file is
// first written in full beside its target and made durable; then a manifest
// naming the whole set is put in place atomically; then the files are renamed
// into place and the manifest removed. A crash at any point leaves either the
// old set (no manifest yet: the temporaries are discarded at the next opening)
// or a manifest from which the next opening completes the new set.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::platform {

class FileSetCommit {
 public:
  explicit FileSetCommit(Path folder) : folder_(std::move(folder)) {}

  void Put(std::string name, std::string bytes);
  void Remove(std::string name);
  bool empty() const { return puts_.empty() && removes_.empty(); }

  // Writes the set. On failure nothing in the folder has changed and the
  // message (the "cannot create" text) names the file that could not be written.
  Status Commit();

 private:
  Path folder_;
  std::vector<std::pair<std::string, std::string>> puts_;
  std::vector<std::string> removes_;
};

// Finishes or discards what an interrupted commit left in `folder`.
Status RecoverFileSet(const Path& folder);

// Without writing anything: the file a reader should take for `name` while an
// interrupted commit is pending (its new version), `folder / name` otherwise,
// or nothing when the pending set removes it.
std::optional<Path> PendingFileFor(const Path& folder, std::string_view name);

// The names the commit uses, exposed for tests.
inline constexpr std::string_view kCommitManifest = ".ledra-commit";
inline constexpr std::string_view kCommitSuffix = ".ledra-new";

}  // namespace ledra::platform
