#pragma once
// Conversion of the previous program version's 336-byte records.

#include <array>
#include <cstdint>
#include <span>

#include "store/publisher_record.h"

namespace ledra::store {

inline constexpr std::size_t kOldRecordSize = 336;

// The YearByte of each month's data in the old header, 0 where dropped.
using ConversionYears = std::array<std::uint8_t, 12>;

// Copies the text, date, flag and word fields that keep their place.
PublisherRecord ConvertOldFields(std::span<const std::uint8_t, kOldRecordSize> old);

// Which months of the old file are kept: a YearByte v is kept when
// today - 3 < v <= today, unless the month lies after today's month in today's year.
ConversionYears ConversionYearsOf(std::span<const std::uint8_t, kOldRecordSize> old_header,
                                  int today_year_byte, int today_month_index);

// Fills the new header's carried quarter hours and year stamps and the
// ReportMonth's state from the old header.
void ConvertOldHeader(PublisherRecord& header, std::span<const std::uint8_t, kOldRecordSize> old,
                      const ConversionYears& years, int report_month_index, int report_year);

// Moves a person's twelve months into their slots.
void ConvertOldMonths(PublisherRecord& person, std::span<const std::uint8_t, kOldRecordSize> old,
                      const ConversionYears& years, int report_month_index, int report_year);

}  // namespace ledra::store
