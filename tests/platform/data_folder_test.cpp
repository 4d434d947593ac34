#include "platform/data_folder.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

TEST(DataFolder, CommandLineFolderWinsAndIsMadeAbsolute) {
  TempFolder cwd;
  WriteFixture(cwd.path() / "tdat9.bin", "x");
  DataFolderInputs in{Path("congregacao"), cwd.path(), "/xdg", "/home/u", std::nullopt};
  EXPECT_EQ(ChooseDataFolder(in), cwd.path() / "congregacao");
  in.data_option = Path("/srv/dados/");
  EXPECT_EQ(ChooseDataFolder(in), Path("/srv/dados/"));
}

TEST(DataFolder, CurrentDirectoryWhenItHoldsAMainFile) {
  TempFolder cwd;
  const DataFolderInputs in{std::nullopt, cwd.path(), "/xdg", "/home/u", std::nullopt};
  EXPECT_EQ(ChooseDataFolder(in), Path("/xdg/ledra"));
  WriteFixture(cwd.path() / "TDAT7.BIN", "x");  // copied from a system that ignores case
  EXPECT_EQ(ChooseDataFolder(in), cwd.path());
}

TEST(DataFolder, UserDataHomeOtherwise) {
  TempFolder cwd;
  EXPECT_EQ(ChooseDataFolder({std::nullopt, cwd.path(), "", "/home/u", std::nullopt}),
            Path("/home/u/.local/share/ledra"));
  // A relative XDG_DATA_HOME is not valid and is ignored.
  EXPECT_EQ(ChooseDataFolder({std::nullopt, cwd.path(), "rel/dir", "/home/u", std::nullopt}),
            Path("/home/u/.local/share/ledra"));
}

TEST(DataFolder, TheFolderLastOpenedWhileItStillHoldsACongregation) {
  TempFolder cwd, old;
  DataFolderInputs in{std::nullopt, cwd.path(), "/xdg", "/home/u", old.path()};
  EXPECT_EQ(ChooseDataFolder(in), Path("/xdg/ledra")) << "no data there yet";
  EXPECT_TRUE(IsFirstStart(in, ChooseDataFolder(in)));
  WriteFixture(old.path() / "tdat9.bin", "x");
  EXPECT_EQ(ChooseDataFolder(in), old.path());
  EXPECT_FALSE(IsFirstStart(in, ChooseDataFolder(in)));
  // The current folder with a main file still comes first.
  WriteFixture(cwd.path() / "tdat9.bin", "x");
  EXPECT_EQ(ChooseDataFolder(in), cwd.path());
  // A folder named on the command line is never a first start, even when new.
  in.data_option = Path("nova");
  EXPECT_FALSE(IsFirstStart(in, ChooseDataFolder(in)));
  EXPECT_EQ(DemoDataFolder(in), Path("/xdg/ledra/demo"));
}

TEST(DataFolder, PrepareCreatesAPrivateFolderOnce) {
  TempFolder root;
  const Path folder = root.path() / "share" / "ledra";
  ASSERT_TRUE(PrepareDataFolder(folder));
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_TRUE(PrepareDataFolder(folder));  // existing is fine
  EXPECT_TRUE(FolderWritable(folder));

  WriteFixture(root.path() / "file", "x");
  const Status blocked = PrepareDataFolder(root.path() / "file" / "ledra");
  ASSERT_FALSE(blocked);
  EXPECT_NE(blocked.error().text.find("file/ledra"), std::string::npos);
}

}  // namespace
}  // namespace ledra::platform
