#include "platform/file_set_commit.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::platform {
namespace {

// The manifest: one line per operation, "put <fingerprint> <name>" or
// "remove <name>", ending with the line "end" so a manifest is recognised as
// whole. The fingerprint tells a file already renamed into place from one
// whose new version never got there.
struct Manifest {
  std::vector<std::string> puts;
  std::vector<std::string> fingerprints;
  std::vector<std::string> removes;
};

std::string Fingerprint(std::string_view bytes) {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  char text[40];
  std::snprintf(text, sizeof text, "%016llx-%zu", static_cast<unsigned long long>(h), bytes.size());
  return text;
}

std::string Encode(const Manifest& m) {
  std::string text;
  for (std::size_t i = 0; i < m.puts.size(); ++i)
    text += "put " + m.fingerprints[i] + " " + m.puts[i] + "\n";
  for (const auto& n : m.removes) text += "remove " + n + "\n";
  text += "end\n";
  return text;
}

std::optional<Manifest> Decode(std::string_view text) {
  Manifest m;
  bool ended = false;
  while (!text.empty()) {
    const size_t eol = text.find('\n');
    if (eol == std::string_view::npos) return std::nullopt;
    const std::string_view line = text.substr(0, eol);
    text.remove_prefix(eol + 1);
    auto safe = [](std::string_view name) {
      return !name.empty() && name.find('/') == std::string_view::npos && name != "." &&
             name != "..";
    };
    if (line == "end") {
      ended = true;
    } else if (line.starts_with("put ")) {
      const std::string_view rest = line.substr(4);
      const size_t space = rest.find(' ');
      if (space == std::string_view::npos || !safe(rest.substr(space + 1))) return std::nullopt;
      m.fingerprints.emplace_back(rest.substr(0, space));
      m.puts.emplace_back(rest.substr(space + 1));
    } else if (line.starts_with("remove ") && safe(line.substr(7))) {
      m.removes.emplace_back(line.substr(7));
    } else {
      return std::nullopt;
    }
  }
  if (!ended) return std::nullopt;
  return m;
}

std::string TempName(std::string_view name) {
  return std::string(name) + std::string(kCommitSuffix);
}

void DiscardTemporaries(const Path& folder) {
  auto names = ListFolder(folder, "*" + std::string(kCommitSuffix));
  if (names) {
    for (const auto& n : *names) (void)DeleteFile(folder / n);
  }
  RemoveStrayTemporaries(folder);
}

}  // namespace

void FileSetCommit::Put(std::string name, std::string bytes) {
  std::erase_if(removes_, [&](const std::string& r) { return r == name; });
  puts_.emplace_back(std::move(name), std::move(bytes));
}

void FileSetCommit::Remove(std::string name) {
  std::erase_if(puts_, [&](const auto& p) { return p.first == name; });
  removes_.push_back(std::move(name));
}

Status FileSetCommit::Commit() {
  Manifest manifest;
  std::uint64_t needed = 0;  // the whole set waits beside the old one
  for (const auto& put : puts_) needed += put.second.size();
  for (const auto& [name, bytes] : puts_) {
    if (Status written = WriteFileAtomic(folder_ / TempName(name), bytes); !written) {
      DiscardTemporaries(folder_);
      if (written.error().id == str::kDiskFull) return DiskFull(folder_ / name, needed);
      return Message{str::kCannotCreateFile,
                     Strings().Format(str::kCannotCreateFile, {PathForMessage(folder_ / name)})};
    }
    manifest.puts.push_back(name);
    manifest.fingerprints.push_back(Fingerprint(bytes));
  }
  manifest.removes = removes_;
  const Path manifest_path = folder_ / std::string(kCommitManifest);
  if (Status written = WriteFileAtomic(manifest_path, Encode(manifest)); !written) {
    DiscardTemporaries(folder_);
    if (written.error().id == str::kDiskFull) return DiskFull(manifest_path, needed);
    return Message{str::kCannotCreateFile,
                   Strings().Format(str::kCannotCreateFile, {PathForMessage(manifest_path)})};
  }
  // From here the new set is decided: finish it now, or at the next opening.
  return RecoverFileSet(folder_);
}

Status RecoverFileSet(const Path& folder) {
  RemoveStrayTemporaries(
      folder);  // never part of a set: every new file is whole before its manifest
  const Path manifest_path = folder / std::string(kCommitManifest);
  auto text = ReadFileIfPresent(manifest_path);
  if (!text) {
    DiscardTemporaries(folder);
    return {};
  }
  auto manifest = Decode(*text);
  if (!manifest) {
    // Not whole: the set was never decided.
    DiscardTemporaries(folder);
    return DeleteFile(manifest_path);
  }
  // Every new file must be waiting or already in place; otherwise the commit
  // was abandoned before anything was renamed and the old set stands.
  for (std::size_t i = 0; i < manifest->puts.size(); ++i) {
    const std::string& name = manifest->puts[i];
    if (FileExists(folder / TempName(name))) continue;
    auto target = ReadFileIfPresent(folder / name);
    if (!target || Fingerprint(*target) != manifest->fingerprints[i]) {
      DiscardTemporaries(folder);
      return DeleteFile(manifest_path);
    }
  }
  for (const auto& name : manifest->puts) {
    const Path temp = folder / TempName(name);
    if (!FileExists(temp)) continue;  // already in place
    if (Status s = RenameFile(temp, folder / name); !s) return s;
  }
  for (const auto& name : manifest->removes) {
    if (Status s = DeleteFile(folder / name); !s) return s;
  }
  return DeleteFile(manifest_path);
}

std::optional<Path> PendingFileFor(const Path& folder, std::string_view name) {
  auto text = ReadFileIfPresent(folder / std::string(kCommitManifest));
  if (text) {
    if (auto manifest = Decode(*text)) {
      auto listed = [&](const std::vector<std::string>& names) {
        return std::find(names.begin(), names.end(), name) != names.end();
      };
      const Path temp = folder / TempName(name);
      if (listed(manifest->puts) && FileExists(temp)) return temp;
      if (listed(manifest->removes)) return std::nullopt;
    }
  }
  return folder / std::string(name);
}

}  // namespace ledra::platform
