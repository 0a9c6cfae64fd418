// Helpers of the JPEG tests: pictures made in code, JPEG files written with
// libjpeg directly (for colour spaces and layouts our encoder does not make),
// and pixel comparisons.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/graphics/bitmap.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/streams.h"

namespace pictor::jpegtest {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
  int r, g, b;
};

// Smooth, photo-like colours (gradients and soft waves) at (x, y).
Rgb PhotoPixel(int x, int y);
// A 24-bit bitmap of PhotoPixel.
std::unique_ptr<TBitmap> PhotoBitmap(int width, int height);

// The colour of pixel (x, y) of a 24-bit image.
Rgb PixelAt(const BitmapImage& image, int x, int y);
// Peak signal-to-noise ratio in dB of b against a (same size, 24-bit).
double Psnr(const BitmapImage& a, const BitmapImage& b);
// The largest channel difference.
int MaxDifference(Rgb a, Rgb b);

// How WriteWithLibjpeg lays out the file.
struct LibjpegFile {
  int width = 16;
  int height = 16;
  int inputComponents = 3;  // samples per pixel handed to libjpeg
  int inputSpace = -1;      // J_COLOR_SPACE of the samples (JCS_RGB when -1)
  int fileSpace = -1;       // J_COLOR_SPACE stored (libjpeg's default when -1)
  bool adobeMarker = true;  // for CMYK and YCCK: write the Adobe marker
  bool progressive = false;
  int quality = 100;
  bool fullResolution = true;  // 4:4:4
  // When 64..316: a scan script of that many scans for one component (each AC
  // coefficient alone, refined bit by bit), made progressive.
  int scanCount = 0;
  // sample(x, y, component) gives the input samples.
  std::function<int(int, int, int)> sample;
};
Bytes WriteWithLibjpeg(const LibjpegFile& file);

// Header facts read back with libjpeg: components, sampling of the first, colour space.
struct HeaderFacts {
  int components = 0;
  int hSampling = 0;
  int vSampling = 0;
  int colorSpace = 0;
  bool progressive = false;
};
HeaderFacts ReadFacts(const Bytes& file);

TMemoryStream StreamOf(const Bytes& bytes);
Bytes BytesOf(const TJPEGImage& image);
// Loads a JPEG file into a new image.
std::unique_ptr<TJPEGImage> Load(const Bytes& bytes);
// Decodes an image into a new 24-bit bitmap.
std::unique_ptr<TBitmap> Decode(const TJPEGImage& image);

}  // namespace pictor::jpegtest
