#include "platform/mnemonics.h"

#include <gtest/gtest.h>

namespace ledra::platform {
namespace {

TEST(Mnemonics, EachButtonGetsAFreeLetterAndGivenOnesAreKept) {
  const std::vector<std::string> in = {"Relat\xF3rios em Falta",
                                       "&Entradas",
                                       "Irregulares",
                                       "Reativados",
                                       "Editar Publicadores",
                                       "Resumo",
                                       "&Assist\xEAncia \xE0s Reuni\xF5\x65s"};
  // The menu bar already uses a, e, v, r (Arquivo, Editar, Ver, Relatórios).
  const auto out = WithMnemonics(in, "AEVR");
  EXPECT_EQ(out[0], "Re&lat\xF3rios em Falta") << "r is the menu's, e is Entradas's";
  EXPECT_EQ(out[1], "&Entradas");
  EXPECT_EQ(out[2], "&Irregulares");
  EXPECT_EQ(out[3], "Rea&tivados");
  EXPECT_EQ(out[4], "E&ditar Publicadores");
  EXPECT_EQ(out[5], "Re&sumo");
  EXPECT_EQ(out[6], in[6]);
  // No two buttons share a letter.
  std::string letters;
  for (const auto& c : out) letters += MnemonicOf(c);
  for (std::size_t i = 0; i < letters.size(); ++i)
    EXPECT_EQ(letters.find(letters[i], i + 1), std::string::npos) << letters;
}

TEST(Mnemonics, WrittenAmpersandsAndAccentsAreNotKeys) {
  EXPECT_EQ(MnemonicOf("A && B"), 0);
  EXPECT_EQ(MnemonicOf("A && &B"), 'b');
  EXPECT_EQ(MnemonicOf("&\xC9vora"), 0);
  const auto out = WithMnemonics({"\xC9 && ab", "ab"}, "a");
  EXPECT_EQ(out[0], "\xC9 && a&b") << "the accented letter and the written & are passed over";
  EXPECT_EQ(out[1], "ab") << "no free letter: none";
}

}  // namespace
}  // namespace ledra::platform
