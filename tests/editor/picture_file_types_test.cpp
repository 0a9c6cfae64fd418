// The picture file table as the program's messages and the file code use it:
// the lists of extensions, a new graphic per class, and folder parts.
#include "editor/picture_file_types.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "editor/file_names.h"
#include "host/graphics/jpeg_image.h"

namespace pictor {
namespace {

TEST(PictureFileTypes, ExtensionListsNewGraphicsAndFolders) {
  EXPECT_EQ(PictureFileExtensions("or"), ".bmp, .jpg, .ico, .emf or .wmf");
  EXPECT_EQ(PictureFileExtensions(), ".bmp, .jpg, .ico, .emf, .wmf");
  EXPECT_EQ(PictureFileExtensions("or", TFileTypeUse::Written), ".bmp or .jpg");
  EXPECT_EQ(PictureFileExtensions("", TFileTypeUse::ReadOnly), ".ico, .emf, .wmf");

  for (const TPictureFileType& type : PictureFileTypes()) {
    std::string upper(type.extension);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(PictureFileTypeOf("dir.x/P" + upper), &type);
    EXPECT_NE(NewGraphic(type.format), nullptr) << type.extension;
  }
  auto jpeg = NewGraphic(TPictureFormat::Jpeg);
  EXPECT_EQ(dynamic_cast<TJPEGImage&>(*jpeg).CompressionQuality(), 100);

  EXPECT_EQ(ExtractFileDir("a/b.c/d.bmp"), "a/b.c");
  EXPECT_EQ(ExtractFileDir("d.bmp"), "");
  EXPECT_EQ(ExtractFileDir("/d.bmp"), "/");
  EXPECT_EQ(LowerFileExt("dir.X/Pic.BmP"), ".bmp");
}

}  // namespace
}  // namespace pictor
