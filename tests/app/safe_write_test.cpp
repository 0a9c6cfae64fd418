#include "editor/safe_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "app_test_support.h"
#include "host/graphics/errors.h"

namespace pictor {
namespace {

using testing::AsUnprivilegedUser;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

mode_t ModeOf(const std::string& fileName) {
  struct stat s {};
  EXPECT_EQ(stat(fileName.c_str(), &s), 0);
  return s.st_mode & 07777;
}

TEST(SafeWrite, ReplacingKeepsThePermissionsAndLeavesNoTemporaryFile) {
  TempFolder folder;
  WriteBytes(folder / "a.bmp", {1, 2, 3, 4, 5});
  chmod((folder / "a.bmp").c_str(), 0640);
  ReplaceFileSafely(folder / "a.bmp", Bytes{9, 8});
  EXPECT_EQ(ReadBytes(folder / "a.bmp"), (Bytes{9, 8}));
  EXPECT_EQ(ModeOf(folder / "a.bmp"), 0640u);
  EXPECT_EQ(folder.Names(), Names{"a.bmp"});
}

TEST(SafeWrite, ReplacingThroughASymbolicLinkWritesTheFileItPointsTo) {
  TempFolder folder;
  WriteBytes(folder / "real.bmp", {1});
  std::filesystem::create_symlink(folder / "real.bmp", folder / "link.bmp");
  ReplaceFileSafely(folder / "link.bmp", Bytes{7});
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.bmp"));
  EXPECT_EQ(ReadBytes(folder / "real.bmp"), Bytes{7});
}

TEST(SafeWrite, AFailedReplaceLeavesTheFileAsItWasAndNoTemporaryFile) {
  TempFolder folder;
  WriteBytes(folder / "a.bmp", {1, 2, 3});
  try {
    testing::FileSizeLimit limit(16);
    ReplaceFileSafely(folder / "a.bmp", Bytes(100, 7));
    FAIL() << "the write should fail";
  } catch (const EWriteError& e) {
    EXPECT_NE(std::string(e.what()).find("a.bmp"), std::string::npos) << e.what();
  }
  EXPECT_EQ(ReadBytes(folder / "a.bmp"), (Bytes{1, 2, 3}));
  EXPECT_EQ(folder.Names(), Names{"a.bmp"});
}

TEST(SafeWrite, AFileTheUserMayNotWriteIsNotReplaced) {
  TempFolder folder;
  chmod(folder.Path().c_str(), 0777);  // the folder lets anyone rename over the file
  WriteBytes(folder / "a.bmp", {1, 2, 3});
  chmod((folder / "a.bmp").c_str(), 0444);
  const int result = AsUnprivilegedUser([&] {
    try {
      ReplaceFileSafely(folder / "a.bmp", Bytes{9});
      return 1;
    } catch (const EWriteError&) {
      return 0;
    }
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(folder / "a.bmp"), (Bytes{1, 2, 3}));
  EXPECT_EQ(folder.Names(), Names{"a.bmp"});
}

TEST(SafeWrite, ATargetThatCannotBeReplacedIsLeftAlone) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "d.bmp");
  EXPECT_THROW(ReplaceFileSafely(folder / "d.bmp", Bytes{1}), EWriteError);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "d.bmp"));
  EXPECT_EQ(folder.Names(), Names{"d.bmp"});
}

TEST(SafeWrite, AFolderThatIsNotThereFailsWithTheFileName) {
  TempFolder folder;
  EXPECT_THROW(ReplaceFileSafely(folder / "no/a.bmp", Bytes{1}), EWriteError);
  EXPECT_THROW(WriteNewFileSafely(folder / "no/a.bmp", Bytes{1}), EWriteError);
}

TEST(SafeWrite, ANewFileNeverOverwritesAndTakesTheFirstFreeNumber) {
  TempFolder folder;
  EXPECT_EQ(WriteNewFileSafely(folder / "s.bmp", Bytes{1}), folder / "s.bmp");
  WriteBytes(folder / "s-2.bmp", {2});
  EXPECT_EQ(WriteNewFileSafely(folder / "s.bmp", Bytes{3}), folder / "s-1.bmp");
  EXPECT_EQ(WriteNewFileSafely(folder / "s.bmp", Bytes{4}), folder / "s-3.bmp");
  EXPECT_EQ(ReadBytes(folder / "s.bmp"), Bytes{1});
  EXPECT_EQ(ReadBytes(folder / "s-1.bmp"), Bytes{3});
  EXPECT_EQ(ReadBytes(folder / "s-2.bmp"), Bytes{2});
  EXPECT_EQ(ReadBytes(folder / "s-3.bmp"), Bytes{4});
  EXPECT_EQ(folder.Names(), (Names{"s-1.bmp", "s-2.bmp", "s-3.bmp", "s.bmp"}));
}

TEST(SafeWrite, ANewFileGetsTheUsualPermissions) {
  TempFolder folder;
  const mode_t mask = umask(022);
  WriteNewFileSafely(folder / "n.bmp", Bytes{1});
  umask(mask);
  EXPECT_EQ(ModeOf(folder / "n.bmp"), 0644u);
}

}  // namespace
}  // namespace pictor
