// Our files open in an independent decoder (Python's imaging library, or
// ImageMagick when that is missing) with the same pixels, within JPEG's error;
// files ImageMagick writes, in RGB and in CMYK, read back right here.
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/graphics/independent_decoder.h"
#include "tests/graphics/jpeg/jpeg_test_support.h"

namespace pictor::jpegtest {
namespace {

namespace fs = std::filesystem;

using testing::DecodeElsewhere;
using testing::HasImageMagick;
using testing::HasPil;
using testing::Succeeds;

class JpegIndependentDecoder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("pictor_jpeg_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
};

TEST_F(JpegIndependentDecoder, ReadsOurFilesWithTheSamePixels) {
  if (!HasPil() && !HasImageMagick()) GTEST_SKIP() << "no independent decoder";
  auto photo = PhotoBitmap(40, 24);
  for (int quality : {100, 75}) {
    SCOPED_TRACE(quality);
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(quality);
    jpeg.Assign(photo.get());
    const fs::path file = dir_ / ("ours" + std::to_string(quality) + ".jpg");
    jpeg.SaveToFile(file.string());
    const Bytes rgb = DecodeElsewhere(file);
    ASSERT_EQ(rgb.size(), 40u * 24 * 3);
    auto ours = Decode(jpeg);
    int worstToOurs = 0;
    double squared = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 40; ++x) {
        const std::size_t i = (static_cast<std::size_t>(y) * 40 + x) * 3;
        const Rgb theirs{rgb[i], rgb[i + 1], rgb[i + 2]};
        worstToOurs = std::max(worstToOurs, MaxDifference(theirs, PixelAt(ours->Image(), x, y)));
        const Rgb original = PhotoPixel(x, y);
        for (int d : {theirs.r - original.r, theirs.g - original.g, theirs.b - original.b})
          squared += d * d;
      }
    EXPECT_LE(worstToOurs, 3);
    const double psnr = 10 * std::log10(255.0 * 255.0 / (squared / (40 * 24 * 3) + 1e-9));
    EXPECT_GE(psnr, quality == 100 ? 45.0 : 32.0);
  }
}

// A binary PPM of the photo.
void WritePpm(const fs::path& file, int width, int height) {
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << width << " " << height << "\n255\n";
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Rgb c = PhotoPixel(x, y);
      out.put(static_cast<char>(c.r)).put(static_cast<char>(c.g)).put(static_cast<char>(c.b));
    }
}

Bytes ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(JpegIndependentDecoder, ReadsFilesAnotherEncoderWrote) {
  if (!HasImageMagick()) GTEST_SKIP() << "no ImageMagick";
  const fs::path ppm = dir_ / "photo.ppm";
  WritePpm(ppm, 48, 32);
  struct Case {
    const char* name;
    const char* options;
    int tolerance;  // against the original colours
  } cases[] = {{"rgb.jpg", "-quality 95", 12},
               {"progressive.jpg", "-quality 95 -interlace JPEG", 12},
               {"cmyk.jpg", "-quality 98 -colorspace CMYK", 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = dir_ / c.name;
    ASSERT_TRUE(Succeeds("convert '" + ppm.string() + "' " + c.options + " '" + file.string() + "'"));
    auto decoded = Decode(*Load(ReadFile(file)));
    ASSERT_EQ(decoded->Width(), 48);
    ASSERT_EQ(decoded->Height(), 32);
    int worst = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 48; ++x)
        worst = std::max(worst, MaxDifference(PixelAt(decoded->Image(), x, y), PhotoPixel(x, y)));
    EXPECT_LE(worst, c.tolerance);
  }
}

}  // namespace
}  // namespace pictor::jpegtest
