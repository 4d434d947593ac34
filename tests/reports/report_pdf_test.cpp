// `ledra-cli report --pdf` read back with a real PDF text extractor.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "reports/report_fixture.h"
#include "support/temp_folder.h"

namespace ledra {
namespace {

TEST(ReportPdf, PhoneListPdfHoldsTitleAndNamesInListOrder) {
  const char* cli = std::getenv("LEDRA_CLI");
  if (cli == nullptr) GTEST_SKIP() << "LEDRA_CLI is not set (run through ctest)";
  if (std::system("pdftotext -v >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  TempFolder root;
  WriteFixture(root.path() / "tdat9.bin", test::ReportMainFile());
  const auto pdf = root.path() / "phones.pdf";
  const auto text = root.path() / "phones.txt";
  const std::string run = std::string("QT_QPA_PLATFORM=offscreen \"") + cli +
                          "\" report --data \"" + root.path().string() +
                          "\" --today 2026-03-10 --kind 50 --pdf \"" + pdf.string() + "\" 2>\"" +
                          (root.path() / "err.txt").string() + "\"";
  const int code = std::system(run.c_str());
  const std::string err = platform::ReadFileIfPresent(root.path() / "err.txt").value_or("");
  if (err.find("não grava arquivos PDF") != std::string::npos)
    GTEST_SKIP() << "ledra-cli without Qt";
  ASSERT_EQ(code, 0) << err;
  ASSERT_EQ(
      std::system(("pdftotext -layout \"" + pdf.string() + "\" \"" + text.string() + "\"").c_str()),
      0);
  const std::string content = platform::ReadFileIfPresent(text).value_or("");
  EXPECT_NE(content.find("Lista de Telefones"), std::string::npos) << content;
  EXPECT_NE(content.find("Confidencial"), std::string::npos);
  std::size_t at = 0;
  for (const char* name :
       {"Almeida, Ana", "Almeida, Bruno", "Almeida, Carla", "Costa, Eva", "Dias, Rui",
        "Gomes, L\xc3\xba"
        "cia"}) {
    const std::size_t found = content.find(name, at);
    ASSERT_NE(found, std::string::npos) << name << " missing or out of order in\n" << content;
    at = found + 1;
  }
  EXPECT_NE(content.find("91 111 2222"), std::string::npos);
  EXPECT_EQ(content.find("Ferreira"), std::string::npos) << "inactive publishers are not listed";
}

TEST(ReportPdf, APdfThatCannotBeWrittenIsReportedInTheProgramsWords) {
  const char* cli = std::getenv("LEDRA_CLI");
  if (cli == nullptr) GTEST_SKIP() << "LEDRA_CLI is not set (run through ctest)";
  TempFolder root;
  WriteFixture(root.path() / "tdat9.bin", test::ReportMainFile());
  const auto pdf = root.path() / "missing" / "phones.pdf";
  const auto err_file = root.path() / "err.txt";
  const std::string run = std::string("QT_QPA_PLATFORM=offscreen \"") + cli +
                          "\" report --data \"" + root.path().string() +
                          "\" --today 2026-03-10 --kind 50 --pdf \"" + pdf.string() + "\" 2>\"" +
                          err_file.string() + "\"";
  const int code = std::system(run.c_str());
  const std::string err = platform::ReadFileIfPresent(err_file).value_or("");
  if (err.find("não grava arquivos PDF") != std::string::npos)
    GTEST_SKIP() << "ledra-cli without Qt";
  ASSERT_TRUE(WIFEXITED(code));
  EXPECT_EQ(WEXITSTATUS(code), 1) << err;
  EXPECT_NE(err.find("Não foi possível gravar o arquivo"), std::string::npos) << err;
  EXPECT_NE(err.find("phones.pdf"), std::string::npos) << err;
  EXPECT_EQ(err.find("QPainter"), std::string::npos) << err;
  EXPECT_EQ(err.find("print job"), std::string::npos) << err;
}

}  // namespace
}  // namespace ledra
