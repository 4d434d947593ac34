// ledra-cli csv export and csv import: where the files go, the refusals of
// bad options and bad files, and an import from the pick list to the saved
// folder, with the maps it keeps for the next one.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;

constexpr int kNov26 = 30;  // the ReportMonth's slot

class CsvCommands : public ::testing::Test {
 protected:
  // Ana Borges (101, group 1) and Bruno Costa (102, group 1), active.
  void SetUp() override {
    std::string ana = test::PersonRecord(9, 101, "Ana", "Borges");
    std::string bruno = test::PersonRecord(9, 102, "Bruno", "Costa");
    ana[181] = 1;
    bruno[181] = 1;
    WriteFixture(folder.path() / "tdat9.bin", test::HeaderRecord(9) + ana + bruno);
    WriteFixture(folder.path() / "remark9.dat", std::string(48 * 3, '\0'));
  }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data", folder.path().string(), "--today", "2026-12-08"});
    return RunWith(args);
  }
  std::string Csv(std::string_view text) {
    const auto path = folder.path() / "relatorios.csv";
    WriteFixture(path, text);
    return path.string();
  }
  json People() {
    const CliRun r = Run({"dump"});
    EXPECT_EQ(r.code, 0) << r.err;
    return json::parse(r.out)["people"];
  }
  TempFolder folder;
};

TEST_F(CsvCommands, EachExportWritesItsFileIntoExports) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> exports{
      {{"data", "--month", "11", "--header"}, "Novembro.csv"},
      {{"data", "--month", "3", "--tab"}, "Mar\u00E7o.rpt"},
      {{"contacts"}, "contact.tsv"},
      {{"emergency"}, "3rdparty.tsv"},
      {{"cards"}, "cardhdr.tsv"},
      {{"collection", "--group", "1"}, "Grupo-1.csv"},
      {{"attendance"}, "Assist\u00EAncia \u00E0s Reuni\u00F5es.csv"},
      {{"summary"}, "Resumo.csv"},
  };
  for (const auto& [args, name] : exports) {
    std::vector<std::string> command{"csv", "export"};
    command.insert(command.end(), args.begin(), args.end());
    const CliRun r = Run(command);
    ASSERT_EQ(r.code, 0) << args[0] << ": " << r.err;
    const auto file = folder.path() / "Exports" / name;
    EXPECT_EQ(json::parse(r.out)["file"], file.string());
    EXPECT_TRUE(platform::FileExists(file)) << name;
  }
  const auto data = platform::ReadFileIfPresent(folder.path() / "Exports" / "Novembro.csv");
  EXPECT_NE(data->find("\"Borges, Ana\",1,0,0,0,0,0,\"\",\"11 (Nov)\",2026,101,\r\n"),
            std::string::npos);

  EXPECT_EQ(Run({"csv", "export", "data", "--month", "13"}).code, 2);
  EXPECT_EQ(Run({"csv", "export", "data"}).code, 2);
  const CliRun no_group = Run({"csv", "export", "collection", "--group", "0"});
  EXPECT_EQ(no_group.code, 2);
  EXPECT_NE(no_group.err.find("--group"), std::string::npos);
  EXPECT_EQ(Run({"csv", "export", "nothing"}).code, 2);
}

TEST_F(CsvCommands, ImportThroughBothStepsToTheSavedFolder) {
  const std::string file =
      Csv("Primeiro nome,Ultimo nome,Particip.,Estudos b\xC3\xAD"
          "blicos,Horas,Observa\xC3\xA7\xC3\xB5"
          "es\r\n"
          "Ana,Borges,1,2,10,Bom m\xC3\xAAs\r\n"
          "Bruno,Kosta,1,1,,\r\n");
  // A name that finds nobody is refused until it is paired or skipped.
  const CliRun unmatched = Run({"csv", "import", file});
  EXPECT_EQ(unmatched.code, 2);
  EXPECT_NE(unmatched.err.find("Kosta, Bruno"), std::string::npos);
  EXPECT_EQ(Run({"csv", "import", file, "--pair", "Kosta, Bruno=101"}).code, 2);  // found already
  EXPECT_EQ(Run({"csv", "import", file, "--pair", "Nobody=102"}).code, 2);

  const CliRun skipped = Run({"csv", "import", file, "--skip-unmatched"});
  ASSERT_EQ(skipped.code, 0) << skipped.err;
  ASSERT_EQ(json::parse(skipped.out)["lines"].size(), 1u);
  // Looking changes nothing, not even the maps.
  EXPECT_FALSE(platform::FileExists(folder.path() / "ldmap.dat"));

  const CliRun applied = Run({"csv", "import", file, "--pair", "Kosta, Bruno=102", "--apply"});
  ASSERT_EQ(applied.code, 0) << applied.err;
  const json out = json::parse(applied.out);
  ASSERT_EQ(out["lines"].size(), 2u);
  EXPECT_EQ(out["lines"][0]["name"], "Borges, Ana");
  EXPECT_EQ(out["lines"][1]["id"], 102);
  EXPECT_EQ(out["merged"], 2);
  const json people = People();
  EXPECT_EQ(people[0]["Hours"][kNov26], 10);
  EXPECT_EQ(people[1]["studies_word"][kNov26], 0x0800 | 1);
  EXPECT_EQ(platform::FileSize(folder.path() / "ldmap.dat"), 840u);
  EXPECT_EQ(platform::FileSize(folder.path() / "tpmap.dat"), 128u);

  // The next import pairs the name by itself.
  const CliRun again = Run({"csv", "import", file});
  ASSERT_EQ(again.code, 0) << again.err;
  EXPECT_EQ(json::parse(again.out)["lines"].size(), 0u);  // nothing new any more
}

TEST_F(CsvCommands, ColumnsNamedOnTheCommandLine) {
  const std::string file =
      Csv("Quem;Part;Est;Hrs;Obs;X\r\n"
          "\"Borges, Ana\";1;3;0;\"15 LDC\";\r\n");
  const CliRun missing = Run({"csv", "import", file});
  EXPECT_EQ(missing.code, 2);
  EXPECT_NE(missing.err.find("Particip."), std::string::npos);
  EXPECT_EQ(Run({"csv", "import", file, "--map", "colour=1"}).code, 2);
  EXPECT_EQ(Run({"csv", "import", file, "--map", "hours=9"}).code, 2);
  EXPECT_EQ(Run({"csv", "import", file, "--map", "hours"}).code, 2);
  const CliRun mapped =
      Run({"csv", "import", file, "--map",
           "name-surname-first=quem,participated=1,studies=Est,hours=3,remark=4"});
  ASSERT_EQ(mapped.code, 0) << mapped.err;
  EXPECT_EQ(json::parse(mapped.out)["lines"].size(), 1u);
  // Participation from the hours stands in for the column.
  const CliRun from_hours = Run({"csv", "import", file, "--participation-from-hours", "--map",
                                 "name-surname-first=0,studies=2,hours=3,remark=4"});
  EXPECT_EQ(from_hours.code, 0) << from_hours.err;
}

TEST_F(CsvCommands, FilesThatAreNoReportsAreRefused) {
  EXPECT_EQ(Run({"csv", "import", Csv(std::string("\x89PNG\0\0\0", 7))}).code, 2);
  EXPECT_EQ(Run({"csv", "import", Csv("a,b,c,d\r\n\"1,2,3,4\r\n")}).code, 2);
  const CliRun ragged = Run({"csv", "import", Csv("a,b,c,d\r\n1,2\r\n")});
  EXPECT_EQ(ragged.code, 2);
  EXPECT_NE(ragged.err.find("Linha 2"), std::string::npos);
  EXPECT_EQ(Run({"csv", "import", (folder.path() / "missing.csv").string()}).code, 1);
}

}  // namespace
}  // namespace ledra::cli
