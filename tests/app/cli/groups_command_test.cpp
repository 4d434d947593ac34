// ledra-cli groups and group: the twenty rows, and one group edited.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;

// A text of the group file: XOR with "Lamp Cedar", a byte equal to the key byte kept.
void PutGroupText(std::string& file, std::size_t at, std::string_view text) {
  static constexpr std::string_view kKey = "Lamp Cedar";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char k = kKey[i % kKey.size()];
    file[at + i] = text[i] == k ? text[i] : static_cast<char>(text[i] ^ k);
  }
}

class GroupsCommand : public ::testing::Test {
 protected:
  // Ana Borges (101) and Bruno Costa (102, group 1) active; two groups.
  void SetUp() override {
    std::string bruno = test::PersonRecord(9, 102, "Bruno", "Costa");
    bruno[181] = 1;
    WriteFixture(folder.path() / "tdat9.bin",
                 test::HeaderRecord(9) + test::PersonRecord(9, 101, "Ana", "Borges") + bruno);
    std::string groups(2141, '\0');
    groups[0] = 2;
    PutGroupText(groups, 1, "Ana Borges");
    PutGroupText(groups, 481, "Rui Faria");
    PutGroupText(groups, 961, "Sal\xE3o");
    PutGroupText(groups, 1921, "19:30");
    groups[2101] = 2;
    PutGroupText(groups, 1 + 24, "Bruno Costa");
    PutGroupText(groups, 1441 + 24, "Norte");
    groups[2122] = 1;
    WriteFixture(folder.path() / "bkstudy.dat", groups);
  }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data", folder.path().string(), "--today", "2026-01-08"});
    return RunWith(args);
  }
  std::string File(const char* name) {
    return platform::ReadFileIfPresent(folder.path() / name).value_or("");
  }
  TempFolder folder;
};

TEST_F(GroupsCommand, ListsTwentyRowsWithTheMarksAndTheNote) {
  const CliRun r = Run({"groups"});
  ASSERT_EQ(r.code, 0) << r.err;
  const json j = json::parse(r.out);
  ASSERT_EQ(j["rows"].size(), 20u);
  EXPECT_EQ(j["rows"][0]["text"], "N°1 \tAna Borges \tRui Faria* \tSalão \t19:30 \tQuarta-feira");
  EXPECT_EQ(j["rows"][0]["name"], "Grupo # 1");
  EXPECT_EQ(j["rows"][1]["text"], "N°2 \tBruno Costa \t \t \t \tSegunda-feira");
  EXPECT_EQ(j["rows"][1]["name"], "Norte");
  EXPECT_EQ(j["rows"][19]["number"], 20);
  EXPECT_EQ(j["note"], "* Não no arquivo");
  EXPECT_EQ(j["count"], 2);
}

TEST_F(GroupsCommand, SetsWhatIsGivenAndTheMembersAndSaves) {
  const std::string groups = File("bkstudy.dat");
  const std::string people = File("tdat9.bin");
  CliRun r =
      Run({"group", "--number", "2", "--place", "Casa Lima", "--weekday", "6", "--members", "101"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["group"]["place"], "Casa Lima");
  EXPECT_EQ(j["group"]["weekday"], 6);
  EXPECT_EQ(j["group"]["display_name"], "Norte");
  EXPECT_EQ(j["group"]["members"], json::array({101}));
  ASSERT_EQ(j["changed"].size(), 1u);
  EXPECT_EQ(j["changed"][0]["id"], 101);
  EXPECT_EQ(j["changed"][0]["group"], 2);

  // The group file changed in group 2's place and weekday only.
  const std::string now = File("bkstudy.dat");
  ASSERT_EQ(now.size(), groups.size());
  for (std::size_t i = 0; i < now.size(); ++i) {
    const bool place = i >= 961 + 24 && i < 961 + 48;
    if (!place && i != 2102) {
      EXPECT_EQ(now[i], groups[i]) << i;
    }
  }
  // Ana's group byte is the one change in the people (the header aside).
  const std::string rows = File("tdat9.bin");
  for (std::size_t i = test::kRec; i < rows.size(); ++i) {
    if (i != test::kRec + 181) {
      EXPECT_EQ(rows[i], people[i]) << i;
    }
  }
  // Bruno, of group 1, is no member of group 2 and stays where he was.
  r = Run({"group", "--number", "1"});
  EXPECT_EQ(json::parse(r.out)["group"]["members"], json::array({102}));
}

TEST_F(GroupsCommand, AnOverseerSetsTheCountAndANameItsShownByte) {
  CliRun r = Run({"group", "--number", "3", "--overseer", "Rui Faria", "--name", "Sul"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out);
  EXPECT_EQ(j["count"], 3);
  EXPECT_EQ(j["group"]["display_name"], "Sul");
  EXPECT_EQ(j["group"]["name_shown"], 1);
  EXPECT_TRUE(j["changed"].empty());
  r = Run({"group", "--number", "1", "--overseer", ""});
  EXPECT_EQ(json::parse(r.out)["count"], 0);
}

TEST_F(GroupsCommand, BadInputIsRefusedAndChangesNoFile) {
  const std::string groups = File("bkstudy.dat");
  const std::string people = File("tdat9.bin");
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"--number", "21"}, "O grupo 21 não existe; escolha um número de 1 a 20."},
      {{"--number", "0", "--place", "x"}, "O grupo 0 não existe"},
      {{"--number", "1", "--weekday", "7"}, "O dia 7 não existe"},
      {{"--number", "1", "--place", "12345678901234567890123"},
       "Local aceita no máximo 22 caracteres."},
      {{"--number", "1", "--overseer", "123456789012345678901234"},
       "Superintendente aceita no máximo 23 caracteres."},
      {{"--number", "1", "--time", "123456789"}, "Hora aceita no máximo 8 caracteres."},
      {{"--number", "1", "--place", "ok", "--members", "101,999"},
       "Não há nenhum publicador ativo com o número 999."},
      {{"--number", "1", "--members", "101,x"}, "--members"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"group"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = Run(args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(File("bkstudy.dat"), groups);
    EXPECT_EQ(File("tdat9.bin"), people);
  }
}

}  // namespace
}  // namespace ledra::cli
