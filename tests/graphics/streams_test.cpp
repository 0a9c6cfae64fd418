#include "host/graphics/streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "host/graphics/bitmap.h"
#include "host/graphics/errors.h"

namespace pictor {
namespace {

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "pictor_streams_" + name;
}

TEST(MemoryStream, ReadsWritesSeeksAndGrows) {
  TMemoryStream s;
  const char text[] = "picture";
  s.WriteBuffer(text, 7);
  EXPECT_EQ(s.Size(), 7);
  EXPECT_EQ(s.Position(), 7);
  s.SetPosition(3);
  char out[4] = {};
  s.ReadBuffer(out, 4);
  EXPECT_EQ(std::string(out, 4), "ture");
  EXPECT_EQ(s.Read(out, 1), 0u);
  EXPECT_THROW(s.ReadBuffer(out, 1), EReadError);
  s.Seek(10, TSeekOrigin::soBeginning);  // writing past the end leaves zeros between
  s.WriteBuffer("!", 1);
  EXPECT_EQ(s.Size(), 11);
  EXPECT_EQ(s.Memory()[8], 0);
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2);
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
}

TEST(FileStream, ErrorsNameTheFile) {
  const std::string missing = TempPath("no/such/folder/picture.bmp");
  try {
    TFileStream f(missing, TFileMode::fmOpenRead);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find(missing), std::string::npos) << e.Message();
  }
  try {
    TFileStream f(missing, TFileMode::fmCreate);
    FAIL() << "created a file in a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message().find(missing), std::string::npos) << e.Message();
  }
  // A folder named like a picture is a folder, not a truncated picture.
  const std::string folder = TempPath("folder.bmp");
  std::filesystem::create_directories(folder);
  TBitmap bitmap;
  try {
    bitmap.LoadFromFile(folder);
    FAIL() << "loaded a folder";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find("directory"), std::string::npos) << e.Message();
  }
  std::filesystem::remove(folder);
}

TEST(FileStream, MemoryStreamsSaveAndLoadFiles) {
  const std::string path = TempPath("roundtrip.bin");
  TMemoryStream a;
  a.WriteBuffer("abc", 3);
  a.SaveToFile(path);
  TMemoryStream b;
  b.LoadFromFile(path);
  ASSERT_EQ(b.Size(), 3);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.Memory()), 3), "abc");
  std::remove(path.c_str());
}

TEST(FileStream, ABitmapThatCannotBeLoadedStaysAsItWas) {
  TBitmap bitmap;
  bitmap.SetSize(3, 2);
  EXPECT_THROW(bitmap.LoadFromFile(TempPath("missing.bmp")), EFOpenError);
  const std::string path = TempPath("garbage.bmp");
  {
    TFileStream f(path, TFileMode::fmCreate);
    f.WriteBuffer("not a picture at all", 20);
  }
  EXPECT_THROW(bitmap.LoadFromFile(path), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  std::remove(path.c_str());
}

TEST(FileStream, SavingIntoAMissingFolderSaysWhere) {
  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  const std::string path = TempPath("no/such/folder/out.bmp");
  try {
    bitmap.SaveToFile(path);
    FAIL() << "saved into a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message().find(path), std::string::npos);
  }
}

}  // namespace
}  // namespace pictor
