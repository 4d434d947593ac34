#include "../../fuzz/fuzz_input.h"

#include <gtest/gtest.h>

#include <string>

namespace ledra::fuzz {
namespace {

std::string Length(std::size_t n) {
  return {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
          static_cast<char>((n >> 16) & 0xFF)};
}

TEST(FuzzInput, AFullCapacityMainFileFitsOneInput) {
  EXPECT_EQ(kFullMainFile, 1'232'160u);
  EXPECT_GE(kMaxInput, kFullMainFile + 3);
  const std::string main(kFullMainFile, '\x41');
  const std::string input = Length(main.size()) + main + Length(5) + "abcde";
  const auto files = SplitInput(input);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_STREQ(files[0].first, "tdat9.bin");
  EXPECT_EQ(files[0].second.size(), kFullMainFile) << "the whole main file, not 196 KB of it";
  EXPECT_STREQ(files[1].first, "tdat7.bin");
  EXPECT_EQ(files[1].second, "abcde");
}

TEST(FuzzInput, ShortAndOddInputs) {
  EXPECT_TRUE(SplitInput("").empty());
  EXPECT_TRUE(SplitInput("\x01\x00").empty()) << "an incomplete length field ends the input";
  const std::string short_input = Length(100) + "xyz";  // the parts view the input
  const auto cut = SplitInput(short_input);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].second, "xyz") << "a length past the end takes what is left";
  std::string every;
  for (std::size_t i = 0; i < std::size(kFolderFiles) + 2; ++i) every += Length(1) + "z";
  EXPECT_EQ(SplitInput(every).size(), std::size(kFolderFiles)) << "one part per known file";
}

}  // namespace
}  // namespace ledra::fuzz
