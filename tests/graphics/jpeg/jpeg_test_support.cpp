#include "tests/graphics/jpeg/jpeg_test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace pictor::jpegtest {

Rgb PhotoPixel(int x, int y) {
  const double fx = x, fy = y;
  const int r = static_cast<int>(128 + 90 * std::sin(fx / 23.0) * std::cos(fy / 31.0) + fy / 8);
  const int g = static_cast<int>(110 + 70 * std::cos((fx + fy) / 37.0) + fx / 10);
  const int b = static_cast<int>(140 + 60 * std::sin(fy / 19.0 - fx / 47.0));
  return {std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255)};
}

std::unique_ptr<TBitmap> PhotoBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, height);
  BitmapImage& image = bitmap->Image();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Rgb c = PhotoPixel(x, y);
      std::uint8_t* p = image.Row(y) + 3 * x;
      p[0] = static_cast<std::uint8_t>(c.b);
      p[1] = static_cast<std::uint8_t>(c.g);
      p[2] = static_cast<std::uint8_t>(c.r);
    }
  return bitmap;
}

Rgb PixelAt(const BitmapImage& image, int x, int y) {
  const std::uint8_t* p = image.Row(y) + 3 * x;
  return {p[2], p[1], p[0]};
}

double Psnr(const BitmapImage& a, const BitmapImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width * 3; ++x) {
      const double d = double(a.Row(y)[x]) - double(b.Row(y)[x]);
      sum += d * d;
    }
  const double mse = sum / (double(a.width) * a.height * 3);
  return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

int MaxDifference(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

Bytes WriteWithLibjpeg(const LibjpegFile& file) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = static_cast<JDIMENSION>(file.width);
  cinfo.image_height = static_cast<JDIMENSION>(file.height);
  cinfo.input_components = file.inputComponents;
  cinfo.in_color_space = file.inputSpace >= 0 ? static_cast<J_COLOR_SPACE>(file.inputSpace) : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  if (file.fileSpace >= 0) jpeg_set_colorspace(&cinfo, static_cast<J_COLOR_SPACE>(file.fileSpace));
  cinfo.write_Adobe_marker = cinfo.write_Adobe_marker && file.adobeMarker;
  jpeg_set_quality(&cinfo, file.quality, TRUE);
  if (file.fullResolution)
    for (int c = 0; c < cinfo.num_components; ++c)
      cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
  std::vector<jpeg_scan_info> scans;
  if (file.scanCount > 0) {
    // One component: a DC scan, then each AC coefficient alone, first at low
    // precision and then refined bit by bit, until the count is reached.
    scans.push_back({1, {0}, 0, 0, 0, 0});
    for (int k = 1; k <= 63; ++k) scans.push_back({1, {0}, k, k, 0, 4});
    for (int al = 3; al >= 0 && static_cast<int>(scans.size()) < file.scanCount; --al)
      for (int k = 1; k <= 63 && static_cast<int>(scans.size()) < file.scanCount; ++k)
        scans.push_back({1, {0}, k, k, al + 1, al});
    cinfo.scan_info = scans.data();
    cinfo.num_scans = static_cast<int>(scans.size());
  } else if (file.progressive) {
    jpeg_simple_progression(&cinfo);
  }
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(file.width) * file.inputComponents);
  for (int y = 0; y < file.height; ++y) {
    for (int x = 0; x < file.width; ++x)
      for (int c = 0; c < file.inputComponents; ++c)
        row[static_cast<std::size_t>(x) * file.inputComponents + c] =
            static_cast<JSAMPLE>(file.sample(x, y, c));
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes bytes(out, out + outSize);
  std::free(out);
  return bytes;
}

HeaderFacts ReadFacts(const Bytes& file) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, file.data(), file.size());
  jpeg_read_header(&cinfo, TRUE);
  HeaderFacts facts{cinfo.num_components, cinfo.comp_info[0].h_samp_factor,
                    cinfo.comp_info[0].v_samp_factor, cinfo.jpeg_color_space,
                    cinfo.progressive_mode != 0};
  jpeg_destroy_decompress(&cinfo);
  return facts;
}

TMemoryStream StreamOf(const Bytes& bytes) {
  TMemoryStream stream;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  return stream;
}

Bytes BytesOf(const TJPEGImage& image) {
  TMemoryStream stream;
  image.SaveToStream(stream);
  return Bytes(stream.Memory(), stream.Memory() + stream.Size());
}

std::unique_ptr<TJPEGImage> Load(const Bytes& bytes) {
  auto image = std::make_unique<TJPEGImage>();
  TMemoryStream stream = StreamOf(bytes);
  image->LoadFromStream(stream);
  return image;
}

std::unique_ptr<TBitmap> Decode(const TJPEGImage& image) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->Assign(&image);
  return bitmap;
}

}  // namespace pictor::jpegtest
