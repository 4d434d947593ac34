#pragma once
// The file name "Salvar como PDF" proposes: the report's title without the
// menu's accelerator marks and the characters a file name cannot hold.

#include <string>
#include <string_view>

namespace ledra::reports {

// ANSI in, ANSI out; "Relatório.pdf" when nothing is left of the title.
std::string SuggestedPdfName(std::string_view title);

}  // namespace ledra::reports
