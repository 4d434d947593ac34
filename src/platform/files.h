#pragma once
// File-system services. Every path is explicit (folder / name); nothing here
// changes the process's current directory.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace ledra::platform {

using Path = std::filesystem::path;

// Reads a whole file.
Result<std::string> ReadFile(const Path& path);
// Reads a whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileIfPresent(const Path& path);

// Replaces `path` with `bytes` all at once: temporary file in the same folder,
// fsync, rename, fsync of the folder. New files are private (0600). On any
// failure the previous file is left exactly as it was.
Status WriteFileAtomic(const Path& path, std::string_view bytes);
// "The disk is full" naming the file and the room (in KB, rounded up) it needs.
Message DiskFull(const Path& path, std::uint64_t bytes_needed);

// Removes what writes cut short by a crash left behind in `folder` (their
// temporary files are named ".<name>.ledra-tmp-XXXXXX").
void RemoveStrayTemporaries(const Path& folder);
inline constexpr std::string_view kTempMarker = ".ledra-tmp-";

// Copies a file (atomically at the target, modification time kept).
Status CopyFile(const Path& from, const Path& to);
// Deletes a file; a file that is already missing counts as deleted.
Status DeleteFile(const Path& path);
Status RenameFile(const Path& from, const Path& to);
// Creates a folder and its parents, private (0700) where created.
Status CreateFolders(const Path& folder);

bool FileExists(const Path& path);
bool FolderExists(const Path& path);
std::optional<std::uint64_t> FileSize(const Path& path);
std::optional<std::time_t> ModificationTime(const Path& path);
// Names of the files in `folder` matching a wildcard pattern such as "Ld9*"
// (case-insensitive, as the data files' home system matched them), sorted.
Result<std::vector<std::string>> ListFolder(const Path& folder, std::string_view pattern,
                                            bool folders_only = false);

// The path as ANSI text for messages.
std::string PathForMessage(const Path& path);

// Whether whole-file writes wait for the disk (fsync of the file and its
// folder). Always on in the program; harnesses that write thousands of
// throw-away folders turn it off.
void SetDurableWrites(bool durable);

// Fault injection for tests: the hook sees every low-level step and fails it
// by returning true. Passing an empty function removes the hook.
enum class FileStep { kOpen, kWrite, kFsync, kRename, kFolderFsync, kRemove };
// A hook may set errno to the error the failure stands for (ENOSPC: a full disk).
using FaultHook = std::function<bool(FileStep step, const Path& path)>;
void SetFaultHook(FaultHook hook);

}  // namespace ledra::platform
