// Before an edit, what it would write is checked; after a write that failed,
// the picture goes to a recovery file.
#include "app/write_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app_test_support.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/errors.h"
#include "host/graphics/picture.h"

namespace pictor {
namespace {

using testing::AsUnprivilegedUser;
using testing::TempFolder;

// 0 when the check passes, 1 when it refuses naming `named`, 2 otherwise.
int Check(const std::string& file, const std::string& named) {
  try {
    CheckWritable(file);
    return 0;
  } catch (const EWriteError& e) {
    return std::string(e.what()).find(named) != std::string::npos ? 1 : 2;
  }
}

TEST(WriteCheck, WhatAnEditCannotWriteIsRefusedBeforeItStarts) {
  TempFolder folder;
  chmod(folder.Path().c_str(), 0777);
  testing::WriteBitmapFile(folder / "open.bmp", 2, 2, 0xFFFFFF);
  chmod((folder / "open.bmp").c_str(), 0666);
  testing::WriteBitmapFile(folder / "locked.bmp", 2, 2, 0xFFFFFF);
  chmod((folder / "locked.bmp").c_str(), 0444);
  std::filesystem::create_directory(folder / "shut");
  testing::WriteIconFile(folder / "shut/i.ico", 2, 2, 0xFFFFFF);
  testing::WriteBitmapFile(folder / "shut/b.bmp", 2, 2, 0xFFFFFF);
  chmod((folder / "shut/b.bmp").c_str(), 0666);
  chmod((folder / "shut").c_str(), 0555);
  const int result = AsUnprivilegedUser([&] {
    return Check(folder / "open.bmp", "") * 1000 +
           Check(folder / "locked.bmp", "locked.bmp") * 100 +
           // The bitmap beside an icon, and a bitmap's temporary file, need the folder.
           Check(folder / "shut/i.ico", folder / "shut") * 10 +
           Check(folder / "shut/b.bmp", "b.bmp");
  });
  chmod((folder / "shut").c_str(), 0755);
  EXPECT_EQ(result, 111);
}

TEST(WriteCheck, ARecoveryFileGoesToTheUsersDataFolderWithoutReplacingOne) {
  TempFolder data;
  setenv("XDG_DATA_HOME", data.Path().c_str(), 1);
  TPicture picture;
  TBitmap bitmap;
  bitmap.SetSize(3, 2);
  picture.Assign(&bitmap);
  EXPECT_EQ(WriteRecoveryFile(picture, "/gone/photo.ico"), data / "pictor/photo-recovered.bmp");
  EXPECT_EQ(WriteRecoveryFile(picture, "/gone/photo.ico"), data / "pictor/photo-recovered-1.bmp");
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace pictor
