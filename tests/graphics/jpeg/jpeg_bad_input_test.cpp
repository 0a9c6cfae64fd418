// Damaged, hostile and oversized files fail with a clear error and leave the
// image as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "host/graphics/errors.h"
#include "host/graphics/jpeg/jpeg_codec.h"
#include "tests/graphics/jpeg/jpeg_test_support.h"

namespace pictor::jpegtest {
namespace {

Bytes SmallFile(bool progressive = false) {
  LibjpegFile file;
  file.width = 48;
  file.height = 40;
  file.progressive = progressive;
  file.sample = [](int x, int y, int c) { return (x * 7 + y * 11 + c * 50) & 0xFF; };
  return WriteWithLibjpeg(file);
}

// The offset of the first marker `code` (FF code) in the file.
std::size_t FindMarker(const Bytes& file, std::uint8_t code) {
  for (std::size_t i = 2; i + 1 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == code) return i;
  return 0;
}

// Expects the load to fail with EInvalidGraphic and the image to keep the
// picture it had.
void ExpectRefused(const Bytes& bad, const std::string& messagePart = "") {
  const Bytes good = SmallFile();
  auto jpeg = Load(good);
  auto before = Decode(*jpeg);
  TMemoryStream stream = StreamOf(bad);
  try {
    jpeg->LoadFromStream(stream);
    ADD_FAILURE() << "a bad file loaded";
  } catch (const EInvalidGraphic& e) {
    const std::string message = e.what();
    EXPECT_EQ(message.rfind("JPEG image is not valid: ", 0), 0u) << message;
    if (!messagePart.empty()) {
      EXPECT_NE(message.find(messagePart), std::string::npos) << message;
    }
  }
  EXPECT_EQ(jpeg->Width(), 48);
  EXPECT_EQ(jpeg->Height(), 40);
  EXPECT_EQ(BytesOf(*jpeg), good);
  EXPECT_EQ(Psnr(Decode(*jpeg)->Image(), before->Image()), 99.0);
}

TEST(JpegBadInput, TruncatedFilesAreRefused) {
  const Bytes file = SmallFile();
  for (std::size_t keep : {file.size() / 2, file.size() - 40, std::size_t{200}}) {
    SCOPED_TRACE(keep);
    ExpectRefused(Bytes(file.begin(), file.begin() + keep));
  }
  ExpectRefused(Bytes(file.begin(), file.begin() + file.size() / 2), "Premature end");
}

TEST(JpegBadInput, TruncatedProgressiveFilesAreRefused) {
  const Bytes file = SmallFile(true);
  ExpectRefused(Bytes(file.begin(), file.begin() + file.size() * 3 / 4));
}

TEST(JpegBadInput, HeadersThatAreNotJpegAreRefused) {
  ExpectRefused(Bytes{});
  ExpectRefused(Bytes{'B', 'M', 0, 0, 0, 0});
  ExpectRefused(Bytes{0xFF, 0xD8});
  const Bytes file = SmallFile();
  // A frame header with no components.
  Bytes broken = file;
  const std::size_t sof = FindMarker(broken, 0xC0);
  ASSERT_NE(sof, 0u);
  broken[sof + 9] = 0;
  ExpectRefused(broken);
  // A frame header claiming zero rows.
  broken = file;
  broken[sof + 5] = broken[sof + 6] = 0;
  ExpectRefused(broken);
}

TEST(JpegBadInput, MarkersInsidePictureDataAreRefused) {
  Bytes file = SmallFile();
  const std::size_t sos = FindMarker(file, 0xDA);
  ASSERT_NE(sos, 0u);
  const std::size_t data = sos + 2 + (file[sos + 2] << 8 | file[sos + 3]);
  // An end-of-image marker early in the scan data.
  file[data + 20] = 0xFF;
  file[data + 21] = 0xD9;
  ExpectRefused(file);
}

TEST(JpegBadInput, UnsupportedComponentCountsAreRefused) {
  LibjpegFile file;
  file.inputComponents = 2;
  file.inputSpace = JCS_UNKNOWN;
  file.sample = [](int x, int, int c) { return x * 10 + c; };
  ExpectRefused(WriteWithLibjpeg(file), "2 colour components");
}

TEST(JpegBadInput, FloodsOfScansAreRefused) {
  LibjpegFile file;
  file.inputComponents = 1;
  file.inputSpace = JCS_GRAYSCALE;
  file.scanCount = 300;
  file.sample = [](int x, int y, int) { return x * 9 + y; };
  ExpectRefused(WriteWithLibjpeg(file), "256 scans");
}

// The file with its frame size replaced.
Bytes Resized(Bytes file, int width, int height) {
  const std::size_t sof = FindMarker(file, 0xC0);
  file[sof + 5] = static_cast<std::uint8_t>(height >> 8);
  file[sof + 6] = static_cast<std::uint8_t>(height);
  file[sof + 7] = static_cast<std::uint8_t>(width >> 8);
  file[sof + 8] = static_cast<std::uint8_t>(width);
  return file;
}

TEST(JpegBadInput, HugeSizesAreRefusedBeforeDecoding) {
  const Bytes huge = Resized(SmallFile(), 60000, 60000);
  auto jpeg = Load(SmallFile());
  TMemoryStream stream = StreamOf(huge);
  try {
    jpeg->LoadFromStream(stream);
    ADD_FAILURE() << "a huge image loaded";
  } catch (const EInvalidGraphicOperation& e) {
    EXPECT_NE(std::string(e.what()).find("60000 x 60000"), std::string::npos) << e.what();
  }
  EXPECT_EQ(jpeg->Width(), 48);

  // Within the side limit but beyond the bytes: refused from the header alone
  // (the picture data of the real size would run out long before).
  const ImageLimits limits{1000, std::size_t{1} << 20};
  const Bytes big = Resized(SmallFile(), 900, 900);
  try {
    DecodeJpeg(big.data(), big.size(), false, limits);
    ADD_FAILURE() << "a big image decoded";
  } catch (const EInvalidGraphicOperation& e) {
    EXPECT_NE(std::string(e.what()).find("needs 2 MiB, more than the 1 MiB"), std::string::npos)
        << e.what();
  }
  const Bytes wide = Resized(SmallFile(), 1001, 8);
  EXPECT_THROW(DecodeJpeg(wide.data(), wide.size(), false, limits), EInvalidGraphicOperation);
  // The real size passes these limits.
  const Bytes fits = SmallFile();
  EXPECT_EQ(DecodeJpeg(fits.data(), fits.size(), false, limits).width, 48);
}

TEST(JpegBadInput, FileOfJustAHeaderWithAnUnsupportedSizeIsRefused) {
  // Sizes libjpeg itself cannot handle come back as our error, not a crash.
  const Bytes file = Resized(SmallFile(), 65535, 16);
  auto jpeg = std::make_unique<TJPEGImage>();
  TMemoryStream stream = StreamOf(file);
  try {
    jpeg->LoadFromStream(stream);
    ADD_FAILURE() << "an over-wide image loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(std::string(e.what()).find("65500"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(jpeg->Empty());
}

TEST(JpegBadInput, ReadsOnlyFromTheStreamPosition) {
  const Bytes file = SmallFile();
  Bytes prefixed(file.size() + 3, 7);
  std::copy(file.begin(), file.end(), prefixed.begin() + 3);
  TMemoryStream stream = StreamOf(prefixed);
  stream.SetPosition(3);
  TJPEGImage jpeg;
  jpeg.LoadFromStream(stream);
  EXPECT_EQ(jpeg.Width(), 48);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(BytesOf(jpeg), file);
}

}  // namespace
}  // namespace pictor::jpegtest
