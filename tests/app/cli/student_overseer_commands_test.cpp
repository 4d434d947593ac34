// ledra-cli student and overseer: the records they write, field by field.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace ledra::cli {
namespace {

using nlohmann::json;

class StudentCommand : public ::testing::Test {
 protected:
  // Ana Borges (101) active, Bia Costa (2000) a student, Rui Faria (103) inactive.
  void SetUp() override {
    WriteFixture(folder.path() / "tdat9.bin", test::HeaderRecord(9) +
                                                  test::PersonRecord(9, 101, "Ana", "Borges") +
                                                  test::PersonRecord(9, 2000, "Bia", "Costa", 2) +
                                                  test::PersonRecord(9, 103, "Rui", "Faria", 1));
  }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--data", folder.path().string(), "--today", "2026-01-08"});
    return RunWith(args);
  }
  std::string People() {
    return platform::ReadFileIfPresent(folder.path() / "tdat9.bin").value_or("");
  }
  // Offsets of the record at `row` that differ between two files.
  static std::vector<std::size_t> Changed(const std::string& a, const std::string& b, int row) {
    std::vector<std::size_t> at;
    const std::size_t base = test::kRec * static_cast<std::size_t>(row);
    for (std::size_t i = 0; i < test::kRec; ++i)
      if (a[base + i] != b[base + i]) at.push_back(i);
    return at;
  }
  TempFolder folder;
};

TEST_F(StudentCommand, AddsWithTheFirstFreeIdFrom2000AndTheConductor) {
  CliRun r = Run({"student", "add", "--first-name", "rita", "--surname", "Lopes", "--birth-date",
                  "02281990", "--conductor", "101", "--email", "r@x.pt"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out)["changed"][0];
  EXPECT_EQ(j["id"], 2001);
  EXPECT_EQ(j["fname"], "Rita");
  EXPECT_EQ(j["list_type"], 2);
  EXPECT_EQ(j["birdate"], "02281990");
  EXPECT_EQ(j["conductor"], 101);
  EXPECT_EQ(j["email"], "r@x.pt");
  const std::string file = People();
  ASSERT_EQ(file.size(), 5 * test::kRec);
  const std::size_t rita = 4 * test::kRec;  // Borges, Costa, Faria, Lopes
  EXPECT_EQ(test::Get16(file, rita + 182), 2001);
  EXPECT_EQ(test::Get16(file, rita + 198), 101);
  EXPECT_EQ(file[rita + 200], 2);

  r = Run({"student"});
  const json list = json::parse(r.out)["students"];
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1]["text"], "Lopes, Rita\t( Borges, Ana )");
}

TEST_F(StudentCommand, AnEditChangesOnlyTheNamedFields) {
  const std::string before = People();
  CliRun r = Run({"student", "edit", "--id", "2000", "--mobile", "912", "--conductor", "101"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(json::parse(r.out)["changed"][0]["phone2"], "912");
  for (std::size_t i : Changed(before, People(), 2))
    EXPECT_TRUE((i >= 122 && i < 137) || i == 198) << i;
  for (int row : {1, 3}) EXPECT_TRUE(Changed(before, People(), row).empty());

  const std::string linked = People();
  r = Run({"student", "edit", "--id", "2000", "--conductor", "0"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Changed(linked, People(), 2), std::vector<std::size_t>{198});
}

TEST_F(StudentCommand, DeletesOnlyWithYes) {
  const std::string before = People();
  CliRun r = Run({"student", "delete", "--id", "2000"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Quer mesmo apagar Costa, Bia?"), std::string::npos);
  EXPECT_EQ(People(), before);
  r = Run({"student", "delete", "--id", "2000", "--yes"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(json::parse(r.out)["deleted"]["id"], 2000);
  EXPECT_EQ(People().size(), 3 * test::kRec);
}

TEST_F(StudentCommand, BadInputIsRefusedAndChangesNothing) {
  const std::string before = People();
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"add", "--first-name", "Rita", "--surname", "L"}, "pelo menos dois caracteres"},
      {{"add", "--surname", "Lopes"}, "Indique --first-name e --surname."},
      {{"add", "--first-name", "Rita", "--surname", "Lopesabcdefghij"},
       "Sobrenome aceita no máximo 14 caracteres."},
      {{"add", "--first-name", "Bia", "--surname", "Costa"}, "Costa, Bia já existe"},
      {{"edit", "--id", "101", "--mobile", "1"}, "nenhum estudante da Bíblia com o número 101"},
      {{"edit", "--id", "777"}, "nenhum estudante da Bíblia com o número 777"},
      {{"edit", "--mobile", "1"}, "Indique --id."},
      {{"edit", "--id", "2000", "--conductor", "103"}, "publicador ativo com o número 103"},
      {{"edit", "--id", "2000", "--birth-date", "13011990"}, "--birth-date"},
      {{"edit", "--id", "2000", "--gender", "x"}, "--gender"},
      {{"edit", "--id", "2000", "--group", "21"}, "--group"},
      {{"delete", "--id", "101", "--yes"}, "nenhum estudante"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"student"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = Run(args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(People(), before) << c.message;
  }
}

TEST_F(StudentCommand, TheOverseerIsCreatedLastThenEditedFieldByField) {
  CliRun r = Run({"overseer"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(json::parse(r.out)["overseer"].is_null());
  r = Run({"overseer", "--first-name", "Abel", "--surname", "Aguiar", "--phone3", "22", "--email",
           "co@x.pt"});
  ASSERT_EQ(r.code, 0) << r.err;
  json j = json::parse(r.out)["changed"][0];
  EXPECT_EQ(j["list_type"], 5);
  EXPECT_EQ(j["row"], 4);
  EXPECT_EQ(j["phone3"], "22");
  EXPECT_EQ(j["email"], "co@x.pt");

  const std::string before = People();
  r = Run({"overseer", "--address", "Rua 1"});
  ASSERT_EQ(r.code, 0) << r.err;
  for (std::size_t i : Changed(before, People(), 4)) EXPECT_TRUE(i >= 44 && i < 107) << i;
  r = Run({"overseer", "--mobile", "123456789012345"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Celular aceita no máximo 14 caracteres."), std::string::npos) << r.err;
  EXPECT_EQ(json::parse(Run({"overseer"}).out)["overseer"]["addr"], "Rua 1");
}

}  // namespace
}  // namespace ledra::cli
