#include "platform/folder_shortcuts.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace ledra::platform {
namespace {

// The folders directly in `place`, hidden ones left out, sorted by name.
std::vector<Path> SubFolders(const Path& place, bool only_non_empty) {
  std::vector<Path> out;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(place, ec), end; !ec && it != end; it.increment(ec)) {
    const Path& p = it->path();
    const std::string name = p.filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code type_ec;
    if (!std::filesystem::is_directory(p, type_ec)) continue;  // follows links
    if (only_non_empty && std::filesystem::is_empty(p, type_ec)) continue;
    if (type_ec) continue;  // unreadable: nothing to choose there
    out.push_back(p);
  }
  std::sort(out.begin(), out.end());
  return out;
}

const passwd* PasswordEntry(std::vector<char>& buffer, passwd& entry) {
  buffer.resize(16384);
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0) return nullptr;
  return found;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

Path StartFolder(const Path& named, const Path& home) {
  return !named.empty() && FolderExists(named) ? named : home;
}

std::vector<Path> RemovableDriveFolders(const Path& root, std::string_view user) {
  std::vector<Path> found;
  // Without a user name media/ itself would be listed: every user's drives.
  if (!user.empty() && user.find('/') == std::string_view::npos && user != "." && user != "..") {
    for (const Path& p : SubFolders(root / "media" / user, false)) found.push_back(p);
    for (const Path& p : SubFolders(root / "run" / "media" / user, false)) found.push_back(p);
  }
  for (const Path& p : SubFolders(root / "mnt", true)) found.push_back(p);

  std::vector<Path> out;
  std::vector<Path> seen;
  for (const Path& p : found) {
    std::error_code ec;
    Path key = std::filesystem::canonical(p, ec);
    if (ec) key = p;
    if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
    seen.push_back(key);
    out.push_back(p);
  }
  return out;
}

Path UserHomeFolder() {
  if (std::string home = Env("HOME"); !home.empty()) return home;
  std::vector<char> buffer;
  passwd entry{};
  const passwd* found = PasswordEntry(buffer, entry);
  return found && found->pw_dir ? Path(found->pw_dir) : Path();
}

std::string UserLoginName() {
  std::vector<char> buffer;
  passwd entry{};
  // The password database first: $USER may be stale after su or sudo.
  if (const passwd* found = PasswordEntry(buffer, entry); found && found->pw_name)
    return found->pw_name;
  return Env("USER");
}

}  // namespace ledra::platform
