// The status lists through ledra-cli list, on a folder built byte by byte:
// November 2026 open.

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;

// The slot of a 2026 month (1-12): month index * 3 + the even year's parity.
constexpr std::size_t Slot26(int month) {
  return static_cast<std::size_t>((month - 1) * 3);
}

// A phone field as the file holds it: every one of its 15 bytes scrambled.
void PutPhone(std::string& rec, std::size_t at, std::string_view text, int base) {
  for (std::size_t i = 0; i < 15; ++i) {
    const int plain = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
    rec[at + i] = static_cast<char>(plain + static_cast<int>(i) + base);
  }
}

void Reported(std::string& rec, std::initializer_list<int> months) {
  for (int m : months) test::Put16(rec, 528 + 2 * Slot26(m), 0x0800);
}

class ListCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string file = test::HeaderRecord(9);
    file[137 + 10] = 1;  // November 2026 open
    std::string ana = test::PersonRecord(9, 101, "Ana", "Silva");
    PutPhone(ana, 107, "555-1234", 9);
    Reported(ana, {6, 7, 9, 10});  // August missing
    std::string joao = test::PersonRecord(9, 102, "Jo\xE3o", "Lima");
    Reported(joao, {6, 7, 8, 9, 10, 11});
    std::string ivo = test::PersonRecord(9, 120, "Ivo", "Reis", 1);
    ivo[201] = static_cast<char>(0xA0);  // inactive since October 2024
    ivo[238] = 24;
    file += ana + joao + ivo;
    WriteFixture(folder.path() / "tdat9.bin", file);
  }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), "list");
    args.insert(args.end(), {"--data", folder.path().string(), "--today", "2026-12-09"});
    return RunWith(args);
  }
  TempFolder folder;
};

TEST_F(ListCommand, PrintsTheListAsTheDialogShowsIt) {
  CliRun r = Run({"irregular"});
  ASSERT_EQ(r.code, 0) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["kind"], "irregular");
  EXPECT_EQ(j["caption"], "Publicadores Irregulares ( 1 )");
  EXPECT_EQ(j["heading"], "Congregação");
  ASSERT_EQ(j["lines"].size(), 1u);
  EXPECT_EQ(j["lines"][0]["id"], 101);
  EXPECT_EQ(j["lines"][0]["text"], "Silva, Ana\tAgo");
  EXPECT_EQ(j["number"], 1);

  r = Run({"not-reported"});
  ASSERT_EQ(r.code, 0) << r.err;
  const json nr = json::parse(r.out);
  EXPECT_EQ(nr["caption"], "Não Relataram Novembro  ( 1 )");
  EXPECT_EQ(nr["lines"][0]["text"], "Silva, Ana  (0)\t555-1234");

  r = Run({"collection-form", "--month", "3"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(json::parse(r.out)["lines"][0]["text"], "Lima, João  (0)\t");
}

TEST_F(ListCommand, PeriodsOfTheInactiveList) {
  for (const auto& [period, count] : std::vector<std::pair<std::string, std::size_t>>{
           {"six", 0}, {"twelve", 0}, {"over-twelve", 1}, {"all", 1}}) {
    CliRun r = Run({"inactive", "--period", period});
    ASSERT_EQ(r.code, 0) << r.err;
    const json j = json::parse(r.out);
    ASSERT_EQ(j["lines"].size(), count) << period;
    if (count == 1) {
      EXPECT_EQ(j["lines"][0]["text"], "Reis, Ivo\t2024  \tGrupo # 0");
    }
  }
}

TEST_F(ListCommand, TheClipboardTextOfTheNotReported) {
  CliRun r = Run({"not-reported", "--clipboard"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Não Relataram Novembro \r\nCongregação\r\n\r\nSilva, Ana   555-1234\r\n\r\n\r\n");
}

TEST_F(ListCommand, TheReportCommandPrintsAListAsTheDialogsPrintButtonDoes) {
  const std::string trace = (folder.path() / "irregular.trace").string();
  CliRun r = RunWith({"report", "--kind", "status", "--list", "irregular", "--data",
                      folder.path().string(), "--today", "2026-12-09", "--trace", trace});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string drawn = platform::ReadFileIfPresent(trace).value_or("");
  EXPECT_NE(drawn.find("\"Publicadores Irregulares ( 1 )\""), std::string::npos) << drawn;
  EXPECT_NE(drawn.find("\"Meses sem relat\xc3\xb3rio\""), std::string::npos);
  EXPECT_NE(drawn.find("left top \"Ago\""), std::string::npos);

  // The group of a list comes from --group; options of a list need --kind status.
  r = RunWith({"report", "--kind", "status", "--list", "not-reported", "--group", "1", "--data",
               folder.path().string(), "--today", "2026-12-09", "--trace", trace});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("O grupo 1 n\xc3\xa3o existe"), std::string::npos) << r.err;
  r = RunWith({"report", "--kind", "status", "--data", folder.path().string(), "--trace", trace});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("--list"), std::string::npos) << r.err;
  r = RunWith({"report", "--kind", "50", "--month", "3", "--data", folder.path().string(),
               "--trace", trace});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("s\xc3\xb3 para --kind status"), std::string::npos) << r.err;
}

TEST_F(ListCommand, TheReportCommandListsItsKindsWithTheirTitles) {
  CliRun r = RunWith({"report", "--list"});
  ASSERT_EQ(r.code, 0) << r.err;
  const json kinds = json::parse(r.out)["kinds"];
  std::map<int, std::string> titles;
  for (const json& k : kinds) titles[k["kind"].get<int>()] = k["title"].get<std::string>();
  EXPECT_EQ(titles[50], "Lista de Telefones");
  EXPECT_EQ(titles[100], "Telefones & E-mail");
  EXPECT_EQ(titles[20], "Estatísticas");
  EXPECT_TRUE(titles.contains(1) && titles.contains(47) && titles.contains(74));
  r = RunWith({"report", "--data", folder.path().string(), "--trace", "x"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("--kind"), std::string::npos);
}

TEST_F(ListCommand, RefusesWhatTheDialogCannotShow) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"sleepy"}, "A lista sleepy não existe"},
      {{"not-reported", "--month", "13"}, "O mês 13 não existe"},
      {{"not-reported", "--month", "x"}, "O mês x não existe"},
      {{"irregular", "--month", "3"}, "A opção --month não se aplica"},
      {{"moved", "--period", "twenty-four"}, "escolha um de: six, service-year, twelve"},
      {{"new", "--period", "weekly"}, "O período weekly"},
      {{"baptised", "--period", "six"}, "A opção --period não se aplica"},
      {{"irregular", "--group", "1"}, "O grupo 1 não existe; escolha um número de 0 a 0"},
      {{"irregular", "--group", "one"}, "O grupo one não existe"},
      {{"new", "--group", "0"}, "A opção --group não se aplica"},
      {{"baptised", "--choice", "9"}, "A escolha 9 não existe; escolha um número de 0 a 8"},
      {{"irregular", "--choice", "1"}, "A opção --choice não se aplica"},
      {{"irregular", "--clipboard"}, "A opção --clipboard não se aplica"},
      {{"special-needs"}, "Nenhum publicador tem uma necessidade especial"},
      {{"special-category"}, "A categoria especial não está em uso"},
  };
  for (const Case& c : cases) {
    const CliRun r = Run(c.args);
    EXPECT_EQ(r.code, 2) << c.args[0];
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << c.args[0];
  }
}

}  // namespace
}  // namespace ledra::cli
