#include "records/text_guard.h"

#include <string>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::records {

store::Keep204 KeepRuleOf(store::TextField field) {
  if (field.offset == store::field::kFname.offset || field.offset == store::field::kLname.offset)
    return store::Keep204::kEverywhere;
  if (field.offset == store::field::kAddr.offset) return store::Keep204::kFirst30;
  return store::Keep204::kNever;
}

bool ByteSurvives(std::uint8_t byte, std::size_t position, store::Keep204 keep, std::uint8_t base) {
  if (byte == 0) return false;
  const bool keeps_here =
      keep == store::Keep204::kEverywhere || (keep == store::Keep204::kFirst30 && position < 30);
  // 204 itself is left alone both ways where the rule keeps it.
  if (keeps_here && byte == 204) return true;
  const auto scrambled = static_cast<std::uint8_t>(byte + ((position + base) & 0xFF));
  if (scrambled == 0) return false;
  return !(keeps_here && scrambled == 204);
}

std::optional<std::size_t> FirstLostByte(std::string_view text, store::TextField field,
                                         std::uint8_t base) {
  const store::Keep204 keep = KeepRuleOf(field);
  for (std::size_t i = 0; i < text.size() && i + 1 < field.size; ++i) {
    if (!ByteSurvives(static_cast<std::uint8_t>(text[i]), i, keep, base)) return i;
  }
  return std::nullopt;
}

Status CheckStorable(std::string_view text, store::TextField field, std::uint8_t base) {
  const auto lost = FirstLostByte(text, field, base);
  if (!lost) return {};
  const std::string ch(1, text[*lost]);
  return Message{
      str::kRecCharacterNotStorable,
      Strings().Format(str::kRecCharacterNotStorable, {ch, std::to_string(*lost + 1), text})};
}

}  // namespace ledra::records
