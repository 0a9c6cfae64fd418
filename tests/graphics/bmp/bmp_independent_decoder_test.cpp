// Files we write open in an independent decoder (Python's imaging library, or
// ImageMagick when that is missing) with the same colours.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/pixels/pixel_access.h"
#include "tests/graphics/bmp/bmp_test_support.h"
#include "tests/graphics/independent_decoder.h"

namespace pictor::bmptest {
namespace {

namespace fs = std::filesystem;

std::vector<PALETTEENTRY> DistinctEntries(int count) {
  std::vector<PALETTEENTRY> e(count);
  for (int i = 0; i < count; ++i)
    e[i] = {static_cast<std::uint8_t>(i * 41), static_cast<std::uint8_t>(255 - i * 3),
            static_cast<std::uint8_t>(i * 7 + 5), 0};
  return e;
}

TEST(BmpIndependentDecoder, ReadsOurFilesWithTheSameColours) {
  if (!testing::HasIndependentDecoder())
    GTEST_SKIP() << "no independent decoder (python3 PIL or ImageMagick)";
  const fs::path dir = fs::temp_directory_path() / ("pictor_bmp_" + std::to_string(getpid()));
  fs::create_directories(dir);

  const TPixelFormat formats[] = {pf1bit,  pf4bit,  pf8bit,  pf15bit,
                                  pf16bit, pf24bit, pf32bit, pfDevice};
  for (TPixelFormat format : formats) {
    BitmapImage image = PatternImage(7, 3, format, 3);
    if (IsIndexed(format))
      image.palette = OwnedPalette::FromEntries(DistinctEntries(MaxPaletteEntries(format)));
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) {
        if (format == pf32bit) image.Row(y)[4 * x + 3] = 0xFF;  // opaque
        if (format == pfDevice) image.Row(y)[4 * x + 3] = 0;
      }

    const fs::path file = dir / (std::string(PixelFormatName(format)) + ".bmp");
    TFileStream out(file.string(), TFileMode::fmCreate);
    WriteBmp(image, out);
    out.Close();

    const Bytes rgb = testing::DecodeElsewhere(file);
    ASSERT_EQ(rgb.size(), 7u * 3 * 3) << PixelFormatName(format);
    // 5- and 6-bit channels may be scaled to 8 bits with other rounding.
    const int tolerance = format == pf15bit || format == pf16bit ? 2 : 0;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) {
        const TColor c = NativeToColor(image, ReadNative(image, x, y));
        const std::uint8_t* p = &rgb[(y * image.width + x) * 3];
        EXPECT_NEAR(p[0], GetRValue(c), tolerance)
            << PixelFormatName(format) << " " << x << "," << y;
        EXPECT_NEAR(p[1], GetGValue(c), tolerance)
            << PixelFormatName(format) << " " << x << "," << y;
        EXPECT_NEAR(p[2], GetBValue(c), tolerance)
            << PixelFormatName(format) << " " << x << "," << y;
      }
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace pictor::bmptest
