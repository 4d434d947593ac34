#pragma once
// A small data folder for the backup tests and a way to compare folders.

#include <filesystem>
#include <map>
#include <string>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::test {

// A main file of three records (2,448 bytes), scrambled with base 5.
inline std::string MainFile(std::string_view extra_person = {}) {
  std::string file = HeaderRecord(5);
  file += PersonRecord(5, 101, "Ana", "Almeida");
  file += PersonRecord(5, 102, "Rui", "Dias");
  if (!extra_person.empty()) file += PersonRecord(5, 103, extra_person, "Costa");
  return file;
}

// Every file under `folder` (relative path -> bytes), leaving out the undo
// area and the files the program keeps for itself.
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    if (!e.is_regular_file()) continue;
    const std::string rel = e.path().lexically_relative(folder).string();
    if (rel.starts_with("unrestore") || rel == "rmkundo.dat" || rel == "buhist.dat" ||
        rel == ".ledra.lock")
      continue;
    files[rel] = *platform::ReadFileIfPresent(e.path());
  }
  return files;
}

// The names whose bytes differ between two snapshots ("" when none), so that a
// failure stays readable.
inline std::string Differences(const std::map<std::string, std::string>& a,
                               const std::map<std::string, std::string>& b) {
  std::string out;
  for (const auto& [name, bytes] : a)
    if (!b.contains(name) || b.at(name) != bytes) out += name + " ";
  for (const auto& [name, bytes] : b)
    if (!a.contains(name)) out += name + "(new) ";
  return out;
}

}  // namespace ledra::test
