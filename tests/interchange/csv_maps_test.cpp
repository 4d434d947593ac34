// The two files the CSV import keeps between runs, against byte images
// built by hand: the column map "ldmap.dat" and the name map "tpmap.dat".

#include <gtest/gtest.h>

#include <cstring>

#include "interchange/csv_column_map.h"
#include "interchange/csv_name_map.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace ledra::interchange {
namespace {

void PutI32(std::string& b, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

void PutText(std::string& b, std::size_t at, std::string_view text) {
  std::memcpy(b.data() + at, text.data(), text.size());
}

// Column 2 "Nome" is the whole name, 3 "Horas" the hours, 4 the studies,
// 5 the remark; participation from the hours.
std::string HandMadeColumnMap(bool versioned) {
  std::string b(840, '\0');
  const std::int32_t columns[] = {-1, -1, -1, 4, 3, 5, 2, -1};
  for (std::size_t t = 0; t < 8; ++t) PutI32(b, 4 * t, columns[t]);
  PutI32(b, 36, 1);
  PutText(b, 40 + 80 * 3, "Estudos");
  PutText(b, 40 + 80 * 4, "Horas");
  PutText(b, 40 + 80 * 5,
          "Observa\xE7\xF5"
          "es");
  PutText(b, 40 + 80 * 6, "Nome");
  if (versioned) PutText(b, 760, "Version 10");
  return b;
}

TEST(CsvColumnMap, TheFileByteForByte) {
  const std::string bytes = HandMadeColumnMap(true);
  const std::optional<ColumnMap> map = ParseColumnMap(bytes);
  ASSERT_TRUE(map.has_value());
  EXPECT_EQ(map->column, (std::array<int, 8>{-1, -1, -1, 4, 3, 5, 2, -1}));
  EXPECT_TRUE(map->participation_from_hours);
  EXPECT_EQ(map->header[5],
            "Observa\xE7\xF5"
            "es");
  EXPECT_EQ(map->header[0], "");
  EXPECT_TRUE(map->complete);
  EXPECT_EQ(ColumnMapBytes(*map), bytes);
  EXPECT_FALSE(ParseColumnMap(HandMadeColumnMap(false))->complete);

  // A header text is cut at 79 characters and terminated.
  ColumnMap long_header = *map;
  long_header.header[3] = std::string(100, 'x');
  const std::string cut = ColumnMapBytes(long_header);
  EXPECT_EQ(cut.substr(40 + 80 * 3, 80), std::string(79, 'x') + '\0');
  EXPECT_EQ(cut.size(), 840u);
}

TEST(CsvColumnMap, NoMapWithoutAFileOfTheRightShape) {
  EXPECT_FALSE(ParseColumnMap(std::string(840, '\0')).has_value());
  EXPECT_FALSE(ParseColumnMap(HandMadeColumnMap(true).substr(0, 839)).has_value());
  EXPECT_FALSE(ParseColumnMap("").has_value());

  TempFolder folder;
  EXPECT_FALSE(ReadColumnMap(folder.path()).has_value());
  const ColumnMap map = *ParseColumnMap(HandMadeColumnMap(true));
  ASSERT_TRUE(WriteColumnMap(folder.path(), map).ok());
  EXPECT_EQ(platform::ReadFileIfPresent(folder.path() / "ldmap.dat"), HandMadeColumnMap(true));
  EXPECT_EQ(ReadColumnMap(folder.path()), map);
}

TEST(CsvNameMap, RecordsOf128Bytes) {
  std::string b(3 * 128, '\0');
  PutText(b, 0, "Silva, Ana");
  PutText(b, 60, "Ana M. Silva");
  b[120] = static_cast<char>(0x39);  // 12345
  b[121] = static_cast<char>(0x30);
  PutText(b, 128, "Dias, Rui");
  PutText(b, 128 + 60, "R Dias");
  b[128 + 120] = 102;
  // The third record has no CSV name and is of no use.
  PutText(b, 256, "Costa, Eva");
  const std::vector<NamePair> pairs = ParseNameMap(b + "partial record");
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0], (NamePair{"Silva, Ana", "Ana M. Silva", 12345}));
  EXPECT_EQ(pairs[1], (NamePair{"Dias, Rui", "R Dias", 102}));
  EXPECT_EQ(NameMapBytes(pairs), b.substr(0, 256));

  // At most 300 pairs, texts cut at 59 characters.
  std::vector<NamePair> many(310, NamePair{std::string(70, 'd'), std::string(70, 'c'), 7});
  const std::string bytes = NameMapBytes(many);
  ASSERT_EQ(bytes.size(), 300u * 128);
  EXPECT_EQ(bytes.substr(0, 60), std::string(59, 'd') + '\0');
  EXPECT_EQ(bytes.substr(60, 60), std::string(59, 'c') + '\0');
  EXPECT_EQ(bytes.substr(120, 8), std::string("\x07\0\0\0\0\0\0\0", 8));
  EXPECT_EQ(ParseNameMap(bytes + bytes).size(), 300u);

  TempFolder folder;
  EXPECT_TRUE(ReadNameMap(folder.path()).empty());
  ASSERT_TRUE(WriteNameMap(folder.path(), pairs).ok());
  EXPECT_EQ(platform::ReadFileIfPresent(folder.path() / "tpmap.dat"), b.substr(0, 256));
  EXPECT_EQ(ReadNameMap(folder.path()), pairs);
}

}  // namespace
}  // namespace ledra::interchange
