#pragma once
// Comparison of people's names as the lists show them: blanks around the name
// ignored, case ignored, accented letters beside their plain letters
// ("Álvaro" among the A's), Windows-1252 text.

#include <string_view>

namespace ledra::store {

std::string_view TrimBlanks(std::string_view text);

// <0, 0 or >0 like strcmp.
int CompareNames(std::string_view a, std::string_view b);

// Whether `part` (blanks around it ignored) appears in the name, case and
// accents ignored: what a chooser's filter box shows.
bool NameContains(std::string_view name, std::string_view part);

}  // namespace ledra::store
