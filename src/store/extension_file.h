#pragma once
// "xten7.dat": 192-byte extension records (full name, e-mail, other
// information) after an all-zero header; the texts are scrambled.

#include <string>
#include <string_view>
#include <vector>

#include "store/side_tables.h"

namespace ledra::store {

// Decodes the file into plain records (position 0 the header), at most 601.
std::vector<ExtensionRecord> ReadExtensionFile(std::string_view file, std::uint8_t base);
std::vector<ExtensionIndexEntry> IndexExtensions(const std::vector<ExtensionRecord>& records);

// Position for a person's record: its own, else (with at least three
// positions) the first all-zero record, else a new one at the end.
std::size_t ExtensionWritePosition(const std::vector<ExtensionIndexEntry>& index,
                                   const std::vector<ExtensionRecord>& records, std::uint16_t id);

// The file with the plain record at `position` stored scrambled. Positions
// beyond the file's end extend it (after a zero header for a new file).
std::string WriteExtensionRecord(std::string file, std::size_t position,
                                 const ExtensionRecord& plain, std::uint8_t base);

bool IsAnsiLetter(unsigned char c);

}  // namespace ledra::store
