#pragma once
// "remark9.dat": 48-byte remark records after an all-zero header record.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/congregation_database.h"

namespace ledra::store {

inline constexpr std::size_t kRemarkRecordSize = 48;
inline constexpr int kMaxRemarksLoaded = 3898;
// A new remark is refused once the table holds this many positions.
inline constexpr int kRemarkTableFullAt = 3854;

RemarkRecord DecodeRemark(const std::uint8_t* record);
void EncodeRemark(const RemarkRecord& remark, std::uint8_t* record);

// The compacted file when a file longer than 143 bytes has something to drop
// and keeps at least three remarks; nothing when it stays as it is.
std::optional<std::string> CompactRemarkFile(std::string_view file);

// Fills the RemarkTable from the file and points each person's slot at its remark.
void LoadRemarks(CongregationDatabase& db, std::string_view file);

// The file with one remark written: over the record of the same person,
// month and parity, else over the last blank record, else appended.
std::string WriteRemarkRecord(std::string file, const RemarkRecord& remark);

// The file with every remark of `remarks` written in turn, as WriteRemarkRecord
// would place each one, without rescanning the file for every record.
std::string WriteRemarkRecords(std::string file, std::span<const RemarkRecord> remarks);

// The previous version's 40-byte remarks, written into `file` as remarks.
std::string ConvertOldRemarks(std::string file, std::string_view old_file,
                              const CongregationDatabase& db);

}  // namespace ledra::store
