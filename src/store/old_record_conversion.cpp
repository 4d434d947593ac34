#include "store/old_record_conversion.h"

#include <algorithm>

#include "store/month_slot.h"

namespace ledra::store {

PublisherRecord ConvertOldFields(std::span<const std::uint8_t, kOldRecordSize> old) {
  PublisherRecord rec;
  // Texts, dates, date flag, anointedMark, group, id and the six words up to 195.
  std::copy(old.begin() + 2, old.begin() + 196, rec.bytes.begin() + 2);
  std::copy(old.begin() + 198, old.begin() + 202, rec.bytes.begin() + 198);
  rec.bytes[238] = old[214];
  rec.bytes[239] = old[215];
  rec.set_special_ministry_bits(0);
  return rec;
}

ConversionYears ConversionYearsOf(std::span<const std::uint8_t, kOldRecordSize> old_header,
                                  int today_year_byte, int today_month_index) {
  ConversionYears years{};
  for (int j = 0; j < 12; ++j) {
    const int v = old_header[312 + static_cast<std::size_t>(j)];
    const bool recent = today_year_byte - 3 < v && v <= today_year_byte;
    const bool future = j > today_month_index && v == today_year_byte;
    years[static_cast<std::size_t>(j)] = recent && !future ? static_cast<std::uint8_t>(v) : 0;
  }
  return years;
}

void ConvertOldHeader(PublisherRecord& header, std::span<const std::uint8_t, kOldRecordSize> old,
                      const ConversionYears& years, int report_month_index, int report_year) {
  for (int j = 0; j < 12; ++j) {
    const int v = years[static_cast<std::size_t>(j)];
    if (v == 0) continue;
    const int slot = MonthSlot(j, v);
    header.set_word(SlotWords::kStudiesWord, slot,
                    static_cast<std::uint16_t>(old[300 + static_cast<std::size_t>(j)] << 12));
    header.set_word(SlotWords::kRemarkIndex, slot, static_cast<std::uint16_t>(v));
  }
  const bool closed = old[312 + static_cast<std::size_t>(report_month_index)] == report_year;
  header.bytes[header::kMonthStates + static_cast<std::size_t>(report_month_index)] =
      static_cast<std::uint8_t>(closed ? header::MonthState::kClosed
                                       : header::MonthState::kNotStarted);
}

void ConvertOldMonths(PublisherRecord& person, std::span<const std::uint8_t, kOldRecordSize> old,
                      const ConversionYears& years, int report_month_index, int report_year) {
  for (int j = 0; j < 12; ++j) {
    const auto uj = static_cast<std::size_t>(j);
    if (years[uj] == 0) continue;
    const int slot = MonthSlot(j, report_year + (report_month_index < j ? 1 : 0));
    const std::uint8_t high = old[288 + uj];
    person.set_word(SlotWords::kPlcmts, slot,
                    static_cast<std::uint16_t>(old[216 + uj] | ((high >> 4) << 8)));
    person.set_word(SlotWords::kVideos, slot,
                    static_cast<std::uint16_t>(old[228 + uj] | ((high & 0x0F) << 8)));
    person.set_word(SlotWords::kHours, slot, old[240 + uj]);
    person.set_word(SlotWords::kReturnVisits, slot,
                    static_cast<std::uint16_t>(old[252 + uj] | ((old[276 + uj] >> 6) << 8)));
    person.set_word(
        SlotWords::kStudiesWord, slot,
        static_cast<std::uint16_t>((old[264 + uj] & 0x3F) | ((old[300 + uj] & 3) << 12)));
    person.set_word(SlotWords::kPioCredit, slot, old[324 + uj]);
    person.set_slot_year(slot, years[uj]);
    person.set_pioneer_code(slot, old[202 + uj] & 3);
  }
}

}  // namespace ledra::store
