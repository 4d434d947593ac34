#include "platform/string_table.h"

#include <gtest/gtest.h>

#include "platform/string_ids.h"

namespace ledra {
namespace {

TEST(StringTable, EditionTextsAreLoadedAsAnsi) {
  EXPECT_EQ(Strings().Part(str::kAppTitle, 0), "Sistema de Actividade de Servi\xE7o");
  EXPECT_EQ(Strings().Part(str::kAppTitle, 1), "LEDRAP");
  EXPECT_EQ(Strings().Part(str::kAppTitle, 2), "Documento LEDRAP");
  EXPECT_EQ(Strings().Part(str::kAppTitle, 3), "");
  EXPECT_EQ(LanguageCode(), "ptg");
  EXPECT_EQ(Strings().Get(str::kMonthJanuary + 2), "Mar\xE7o");
  EXPECT_EQ(Strings().Get(str::kShortMonthJanuary + 11), "Dez");
  EXPECT_EQ(Strings().Get(1073), "  M\xEAs de Entradas = %1");
  EXPECT_EQ(Strings().Get(999999), "");
}

TEST(StringTable, EveryNamedNumberHasAText) {
  for (int id : {str::kCannotCreateFile, str::kTooManyPeople, str::kCannotWriteFile,
                 str::kSortByFirstName, str::kFileThirdPartyTsv, str::kDataFolderLocked,
                 str::kCommandExit, str::kStartNotice3, str::kDayMonday + 6})
    EXPECT_TRUE(Strings().Has(id)) << id;
  for (int m = 0; m < 12; ++m) {
    EXPECT_TRUE(Strings().Has(str::kMonthJanuary + m));
    EXPECT_TRUE(Strings().Has(str::kShortMonthJanuary + m));
  }
}

TEST(StringTable, ParsingRejectsBadLinesAndDuplicates) {
  EXPECT_FALSE(StringTable::FromUtf8("12 no tab\n").ok());
  EXPECT_FALSE(StringTable::FromUtf8("1\ta\n1\tb\n").ok());
  auto ok = StringTable::FromUtf8("# comment\r\n\r\n5\tline\\none\\ttab\\\\\r\n");
  ASSERT_TRUE(ok.ok());
  EXPECT_EQ(ok->Get(5), "line\none\ttab\\");
}

TEST(StringTable, InsertionAndPrintfFormatting) {
  EXPECT_EQ(FormatInsert("Incapaz de criar %1.", {"/d/tdat9.bin"}),
            "Incapaz de criar /d/tdat9.bin.");
  EXPECT_EQ(FormatInsert("%2-%1 %3 100%", {"a", "b"}), "b-a  100%");
  EXPECT_EQ(FormatPrintf("%s\\Ld9_%d", {std::string_view("C:"), 12LL}), "C:\\Ld9_12");
  EXPECT_EQ(FormatPrintf(" %d %s %d", {8LL, std::string_view("Dezembro"), 2026LL}),
            " 8 Dezembro 2026");
  EXPECT_EQ(FormatPrintf("%02d:%c %%", {5LL, 65LL}), "05:A %");
  EXPECT_EQ(FormatPrintf("%s%d", {std::string_view("Grupo #")}), "Grupo #");  // missing argument
  EXPECT_EQ(FormatPrintf("%d", {std::string_view("x")}), "");                 // wrong type
}

}  // namespace
}  // namespace ledra
