#include "reports/pdf_file_name.h"

namespace ledra::reports {

std::string SuggestedPdfName(std::string_view title) {
  std::string name;
  bool blank = false;
  for (char c : title) {
    if (c == '&') continue;
    // Separators, wildcards, quotes and control characters become blanks.
    const bool unfit = static_cast<unsigned char>(c) < 32 ||
                       std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
    if (unfit || c == ' ' || c == '\t') {
      blank = !name.empty();
      continue;
    }
    if (blank) name += ' ';
    blank = false;
    name += c;
  }
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  if (name.empty()) name = "Relat\xF3rio";
  return name + ".pdf";
}

}  // namespace ledra::reports
