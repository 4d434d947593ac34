// The name "Salvar como PDF" proposes for a report.

#include "reports/pdf_file_name.h"

#include <gtest/gtest.h>

namespace ledra::reports {
namespace {

TEST(SuggestedPdfName, KeepsTheTitleAFileNameCanHold) {
  EXPECT_EQ(SuggestedPdfName("&Lista de Telefones"), "Lista de Telefones.pdf");
  EXPECT_EQ(SuggestedPdfName("Relat\xF3rio: Grupo 1/2  *novo*"), "Relat\xF3rio Grupo 1 2 novo.pdf");
  EXPECT_EQ(SuggestedPdfName("Pioneiros..."), "Pioneiros.pdf");
  EXPECT_EQ(SuggestedPdfName("  ///  "), "Relat\xF3rio.pdf");
  EXPECT_EQ(SuggestedPdfName("a\nb"), "a b.pdf");
}

}  // namespace
}  // namespace ledra::reports
