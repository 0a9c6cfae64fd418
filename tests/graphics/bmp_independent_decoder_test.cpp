// Files we write open in an independent decoder (Python's imaging library, or
// ImageMagick when that is missing) with the same colours.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/graphics/bmp_codec.h"
#include "host/graphics/pixel_access.h"
#include "tests/graphics/bmp_test_support.h"

namespace pictor::bmptest {
namespace {

namespace fs = std::filesystem;

bool Succeeds(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The command that prints a file's pixels as 8-bit R, G, B bytes, or "" when
// there is no decoder.
std::string DecoderCommand() {
  if (Succeeds("python3 -c 'import PIL'"))
    return "python3 -c 'import sys; from PIL import Image; "
           "sys.stdout.buffer.write(Image.open(sys.argv[1]).convert(\"RGB\").tobytes())' ";
  if (Succeeds("convert -version")) return "convert -depth 8 ";
  return "";
}

Bytes RunCapturing(const std::string& command) {
  Bytes out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  std::uint8_t buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    out.insert(out.end(), buffer, buffer + n);
  pclose(pipe);
  return out;
}

std::vector<PALETTEENTRY> DistinctEntries(int count) {
  std::vector<PALETTEENTRY> e(count);
  for (int i = 0; i < count; ++i)
    e[i] = {static_cast<std::uint8_t>(i * 41), static_cast<std::uint8_t>(255 - i * 3),
            static_cast<std::uint8_t>(i * 7 + 5), 0};
  return e;
}

TEST(BmpIndependentDecoder, ReadsOurFilesWithTheSameColours) {
  const std::string decoder = DecoderCommand();
  if (decoder.empty()) GTEST_SKIP() << "no independent decoder (python3 PIL or ImageMagick)";
  const bool imageMagick = decoder.rfind("convert", 0) == 0;
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

    const std::string command = decoder + "'" + file.string() + "'" + (imageMagick ? " rgb:-" : "");
    const Bytes rgb = RunCapturing(command);
    ASSERT_EQ(rgb.size(), 7u * 3 * 3) << PixelFormatName(format) << ": " << command;
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
