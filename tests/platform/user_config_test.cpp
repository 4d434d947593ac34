#include "platform/user_config.h"

#include "platform/files.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

TEST(UserConfig, LivesInTheConfigHome) {
  EXPECT_EQ(UserConfigPath("/xdg", "/home/u"), Path("/xdg/ledra/ledra.conf"));
  EXPECT_EQ(UserConfigPath("", "/home/u"), Path("/home/u/.config/ledra/ledra.conf"));
  EXPECT_EQ(UserConfigPath("rel", "/home/u"), Path("/home/u/.config/ledra/ledra.conf"));
}

TEST(UserConfig, RoundTripsInAPrivateFolderAndKeepsOtherKeys) {
  TempFolder root;
  const Path file = root.path() / "cfg" / "ledra" / "ledra.conf";
  EXPECT_EQ(LoadUserConfig(file).data_folder, std::nullopt) << "no file: defaults";

  UserConfig c;
  c.data_folder = Path("/media/ana/PEN/Congregação");
  c.window_rect = "10,20,1000,700";
  c.window_screen = "HDMI-1";
  c.window_maximized = true;
  ASSERT_TRUE(SaveUserConfig(c, file));
  struct stat st {};
  ASSERT_EQ(::stat(file.parent_path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  WriteFixture(file, *ReadFile(file) + "[Later]\r\nKey=1\r\n");
  const UserConfig back = LoadUserConfig(file);
  EXPECT_EQ(back.data_folder, c.data_folder);
  EXPECT_EQ(back.window_rect, c.window_rect);
  EXPECT_EQ(back.window_screen, "HDMI-1");
  EXPECT_TRUE(back.window_maximized);

  c.data_folder.reset();
  ASSERT_TRUE(SaveUserConfig(c, file));
  EXPECT_EQ(LoadUserConfig(file).data_folder, std::nullopt);
  EXPECT_NE(ReadFile(file)->find("[Later]"), std::string::npos);
}

TEST(UserConfig, ARelativeFolderIsIgnored) {
  TempFolder root;
  const Path file = root.path() / "ledra.conf";
  WriteFixture(file, "[Data]\r\nFolder=dados\r\n");
  EXPECT_EQ(LoadUserConfig(file).data_folder, std::nullopt);
}

}  // namespace
}  // namespace ledra::platform
