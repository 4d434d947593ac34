#pragma once
// How the loader's fuzz harness cuts one input into the files of a data folder:
// for each file in turn a 3-byte little-endian length, then that many bytes
// (fewer when the input ends). Three bytes let the main file reach the size of
// a full-capacity folder; two capped every file near 196 KB.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "store/congregation_database.h"
#include "store/publisher_record.h"

namespace ledra::fuzz {

inline constexpr const char* kFolderFiles[] = {
    "tdat9.bin",   "tdat7.bin",   "bkstudy.dat", "tcard.dat", "tlt15.dat",
    "varocfg.cfg", "remark9.dat", "xten7.dat",   "emerg.dat", "spneed.dat",
    "tappt.dat",   "meetin9.dat", "tinac7.dat",  "oddmo7.dat"};

// A full main file: the header and every person.
inline constexpr std::size_t kFullMainFile = store::kMaxRecords * store::kRecordSize;
// The -max_len the harness asks of libFuzzer unless told otherwise: a full main
// file with room to spare for the side files.
inline constexpr std::size_t kMaxInput = 4u << 20;
static_assert(kMaxInput > kFullMainFile);

// The (name, bytes) of each file the input holds, in the order above.
inline std::vector<std::pair<const char*, std::string_view>> SplitInput(std::string_view bytes) {
  std::vector<std::pair<const char*, std::string_view>> files;
  std::size_t at = 0;
  for (const char* name : kFolderFiles) {
    if (at + 3 > bytes.size()) break;
    const auto byte = [&](std::size_t i) {
      return std::size_t{static_cast<std::uint8_t>(bytes[i])};
    };
    const std::size_t len = byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16;
    at += 3;
    const std::string_view part = bytes.substr(at, len);
    at += part.size();
    files.emplace_back(name, part);
  }
  return files;
}

}  // namespace ledra::fuzz
