// Every refusal of ledra-cli exits 2 with a message from the string table;
// only success exits 0.

#include <gtest/gtest.h>

#include "cli/cli_command.h"
#include "platform/files.h"
#include "platform/string_table.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

bool Says(const CliRun& r, std::string_view text) {
  return r.err.find(text) != std::string::npos;
}

// CLI11's own English must never reach the user.
void ExpectNoEnglish(const CliRun& r) {
  for (const char* english : {"required", "subcommand", "Run with", "not expected", "convert"})
    EXPECT_EQ(r.err.find(english), std::string::npos) << r.err;
}

class HonestCli : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFixture(data.path() / "tdat9.bin",
                 test::HeaderRecord(9) + test::PersonRecord(9, 101, "Ana", "Silva"));
  }
  CliRun With(std::vector<std::string> args) {
    const std::vector<std::string> common = {"--data", data.path().string(), "--today",
                                             "2026-12-08"};
    args.insert(args.begin() + 1, common.begin(), common.end());
    return RunWith(args);
  }
  TempFolder data, root;
};

TEST_F(HonestCli, AWrongCommandLineIsRefusedInTheTablesWords) {
  const CliRun unknown = RunWith({"frobnicate"});
  EXPECT_EQ(unknown.code, 2);
  EXPECT_TRUE(Says(unknown, "Comando desconhecido: frobnicate")) << unknown.err;
  ExpectNoEnglish(unknown);

  const CliRun stray = With({"info", "extra"});
  EXPECT_EQ(stray.code, 2);
  EXPECT_TRUE(Says(stray, "Argumento não reconhecido: extra")) << stray.err;
  const CliRun option = With({"info", "--bogus"});
  EXPECT_EQ(option.code, 2);
  EXPECT_TRUE(Says(option, "--bogus")) << option.err;

  const CliRun missing = RunWith({"demo"});
  EXPECT_EQ(missing.code, 2);
  EXPECT_TRUE(Says(missing, "Falta folder")) << missing.err;
  ExpectNoEnglish(missing);
  const CliRun no_value = RunWith({"demo", (root.path() / "d").string(), "--people"});
  EXPECT_EQ(no_value.code, 2);
  EXPECT_TRUE(Says(no_value, "A opção --people precisa de um valor")) << no_value.err;
  const CliRun bad_number = RunWith({"demo", (root.path() / "d").string(), "--people", "x"});
  EXPECT_EQ(bad_number.code, 2);
  EXPECT_TRUE(Says(bad_number, "Valor inválido para --people: x")) << bad_number.err;
  EXPECT_FALSE(platform::FolderExists(root.path() / "d"));

  const CliRun early = RunWith({"--data", data.path().string(), "info"});
  EXPECT_EQ(early.code, 2);
  EXPECT_TRUE(Says(early, "Argumento não reconhecido: --data. Veja ledra-cli info --help"))
      << early.err;

  const CliRun nothing = RunWith({});
  EXPECT_EQ(nothing.code, 2);
  EXPECT_TRUE(Says(nothing, "resave")) << "the list of commands";
}

TEST_F(HonestCli, HelpStatesTheExitCodes) {
  const CliRun help = RunWith({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("Códigos de saída: 0 feito; 1 falhou"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("2 recusado ou uso incorrecto"), std::string::npos);
}

TEST_F(HonestCli, StringsPrintsTheWholeTableAndRefusesAMissingNumber) {
  const CliRun all = RunWith({"strings"});
  ASSERT_EQ(all.code, 0);
  EXPECT_EQ(static_cast<std::size_t>(std::count(all.out.begin(), all.out.end(), '\n')),
            Strings().size());
  EXPECT_NE(all.out.find("\n21005\tA pasta %1 não existe.\n"), std::string::npos);
  EXPECT_NE(all.out.find("\n20404\tSalvar Mudanças?\n"), std::string::npos);

  const CliRun one = RunWith({"strings", "21005"});
  EXPECT_EQ(one.code, 0);
  EXPECT_EQ(one.out, "A pasta %1 não existe.\n");

  const CliRun missing = RunWith({"strings", "99999999"});
  EXPECT_EQ(missing.code, 2);
  EXPECT_TRUE(Says(missing, "A tabela de textos não tem o número 99999999")) << missing.err;
  const CliRun word = RunWith({"strings", "vinte"});
  EXPECT_EQ(word.code, 2);
  EXPECT_TRUE(Says(word, "Valor inválido para id: vinte")) << word.err;
}

TEST_F(HonestCli, BackupsOfAMissingFolderIsRefusedAndAnEmptyListSaysSo) {
  const CliRun gone = RunWith({"backups", "--data", (root.path() / "gone").string()});
  EXPECT_EQ(gone.code, 2);
  EXPECT_TRUE(Says(gone, "não existe")) << gone.err;
  const CliRun in_gone = With({"backups", "--in", (root.path() / "gone").string()});
  EXPECT_EQ(in_gone.code, 2);
  EXPECT_TRUE(Says(in_gone, "não existe")) << in_gone.err;

  const CliRun none = With({"backups", "--in", root.path().string()});
  EXPECT_EQ(none.code, 0);
  EXPECT_EQ(none.out, "");
  EXPECT_TRUE(Says(none, "Não há conjuntos de backup")) << none.err;
}

TEST_F(HonestCli, RestoreSaysWhatIsMissingOrTooMuch) {
  const CliRun neither = With({"restore"});
  EXPECT_EQ(neither.code, 2);
  EXPECT_TRUE(Says(neither, "Indique o conjunto de backup a restaurar, ou --undo")) << neither.err;
  EXPECT_FALSE(Says(neither, "não os dois"));
  const CliRun both = With({"restore", root.path().string(), "--undo"});
  EXPECT_EQ(both.code, 2);
  EXPECT_TRUE(Says(both, "não os dois")) << both.err;
  const CliRun gone = With({"restore", (root.path() / "gone").string()});
  EXPECT_EQ(gone.code, 2);
  EXPECT_TRUE(Says(gone, "não existe")) << gone.err;
}

TEST_F(HonestCli, DemoRefusesImpossiblePeopleOnceAndWritesNothing) {
  for (const char* people : {"-5", "0", "100000"}) {
    SCOPED_TRACE(people);
    const platform::Path folder = root.path() / "demo";
    const CliRun r = RunWith({"demo", folder.string(), "--people", people});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err,
              std::string("Não é possível criar ") + people + " pessoas: indique de 1 a 1508.\n");
    EXPECT_FALSE(platform::FolderExists(folder));
  }
  const CliRun has_data = RunWith({"demo", data.path().string()});
  EXPECT_EQ(has_data.code, 2);
  EXPECT_TRUE(Says(has_data, "já tem dados")) << has_data.err;
}

TEST_F(HonestCli, ReportRefusesBadValuesAndReportsAFileItCannotWrite) {
  for (const char* dpi : {"0", "-300", "71", "1201", "alta"}) {
    SCOPED_TRACE(dpi);
    const CliRun r =
        With({"report", "--kind", "50", "--trace", (root.path() / "t").string(), "--dpi", dpi});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(Says(r, std::string("A resolução ") + dpi + " não é possível")) << r.err;
  }
  const CliRun kind = With({"report", "--kind", "999", "--trace", (root.path() / "t").string()});
  EXPECT_EQ(kind.code, 2);
  EXPECT_TRUE(Says(kind, "Não há relatório do tipo 999")) << kind.err;
  const CliRun neither = With({"report", "--kind", "50"});
  EXPECT_EQ(neither.code, 2);
  EXPECT_TRUE(Says(neither, "Indique --pdf ARQUIVO ou --trace ARQUIVO")) << neither.err;
  const CliRun both = With({"report", "--kind", "50", "--trace", (root.path() / "t").string(),
                            "--pdf", (root.path() / "p.pdf").string()});
  EXPECT_EQ(both.code, 2);
  EXPECT_TRUE(Says(both, "Indique --pdf ARQUIVO ou --trace ARQUIVO")) << both.err;
  ExpectNoEnglish(both);

  const CliRun unwritable =
      With({"report", "--kind", "50", "--trace", (root.path() / "no" / "t.txt").string()});
  EXPECT_EQ(unwritable.code, 1);
  EXPECT_TRUE(Says(unwritable, "Não foi possível gravar o arquivo")) << unwritable.err;
  EXPECT_EQ(With({"report", "--kind", "50", "--trace", (root.path() / "t.txt").string()}).code, 0);
}

}  // namespace
}  // namespace ledra::cli
