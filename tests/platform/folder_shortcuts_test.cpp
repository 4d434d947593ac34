#include "platform/folder_shortcuts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

void Touch(const Path& file) {
  std::ofstream(file) << "x";
}

// A root laid out as a desktop leaves it: drives of two users, a stale empty
// mount point, hidden folders and a stray file.
class FolderShortcuts : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f :
         {"media/ana/STICK", "media/ana/Cartao SD", "media/ana/.hidden", "media/rui/OTHER",
          "run/media/ana/Backup2", "mnt/usb", "mnt/cdrom", "mnt/.snapshots"})
      ASSERT_TRUE(CreateFolders(root() / f));
    Touch(root() / "media/ana/notes.txt");
    Touch(root() / "mnt/usb/data.bin");
    Touch(root() / "mnt/.snapshots/x");
  }
  const Path& root() const { return tmp_.path(); }
  TempFolder tmp_;
};

TEST_F(FolderShortcuts, DrivesOfTheUserInTheirPlacesAndOnlyUsedMountPoints) {
  EXPECT_EQ(RemovableDriveFolders(root(), "ana"),
            (std::vector<Path>{root() / "media/ana/Cartao SD", root() / "media/ana/STICK",
                               root() / "run/media/ana/Backup2", root() / "mnt/usb"}));
  // Another user's drives are not ours; /mnt is everybody's.
  EXPECT_EQ(RemovableDriveFolders(root(), "rui"),
            (std::vector<Path>{root() / "media/rui/OTHER", root() / "mnt/usb"}));
}

TEST_F(FolderShortcuts, NoUserNameListsNoOnesMediaAndMissingPlacesAreNoError) {
  EXPECT_EQ(RemovableDriveFolders(root(), ""), std::vector<Path>{root() / "mnt/usb"});
  for (const char* odd : {"..", ".", "ana/../rui"})
    EXPECT_EQ(RemovableDriveFolders(root(), odd), std::vector<Path>{root() / "mnt/usb"}) << odd;
  EXPECT_TRUE(RemovableDriveFolders(root() / "nowhere", "ana").empty());
}

TEST_F(FolderShortcuts, ADriveReachedTwiceIsListedOnce) {
  // Some systems link /media to /run/media.
  std::filesystem::create_directory_symlink(root() / "run/media/ana/Backup2",
                                            root() / "media/ana/Backup2");
  const auto drives = RemovableDriveFolders(root(), "ana");
  EXPECT_EQ(std::count(drives.begin(), drives.end(), root() / "media/ana/Backup2") +
                std::count(drives.begin(), drives.end(), root() / "run/media/ana/Backup2"),
            1);
}

TEST_F(FolderShortcuts, StartsAtTheNamedFolderWhileItExistsElseAtHome) {
  const Path home = root() / "home/ana";
  EXPECT_EQ(StartFolder(root() / "media/ana/STICK", home), root() / "media/ana/STICK");
  EXPECT_EQ(StartFolder(root() / "media/ana/GONE", home), home);
  EXPECT_EQ(StartFolder(root() / "media/ana/notes.txt", home), home) << "a file is no folder";
  EXPECT_EQ(StartFolder({}, home), home);
}

}  // namespace
}  // namespace ledra::platform
