// JPEG compression at quality 100 and decompression of a 4096 x 4096
// photo-like picture through TJPEGImage, beside libjpeg-turbo called directly
// with the same settings on the same pixels.
#include <benchmark/benchmark.h>

#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/streams.h"

namespace pictor::bench {
namespace {

constexpr std::size_t kBytes = ImageBytes(kSize, 24);

// libjpeg directly: 4:4:4 at quality 100 from the bitmap's BGR rows into memory.
void EncodeDirect(const BitmapImage& image, unsigned char*& out, unsigned long& size) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(image.width);
  cinfo.image_height = static_cast<JDIMENSION>(image.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  cinfo.comp_info[0].h_samp_factor = 1;
  cinfo.comp_info[0].v_samp_factor = 1;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.Row(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
}

void DecodeDirect(const unsigned char* data, unsigned long size, std::vector<std::uint8_t>& out) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, size);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&cinfo);
  const std::size_t stride = std::size_t{cinfo.output_width} * 3;
  out.resize(stride * cinfo.output_height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out.data() + cinfo.output_scanline * stride;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
}

void EncodeMeasured(benchmark::State& state) {
  TBitmap& photo = SharedPhoto();
  for (auto _ : state) {
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(100);
    jpeg.Assign(&photo);
    benchmark::DoNotOptimize(jpeg.Width());
  }
}

void EncodeReference(benchmark::State& state) {
  const BitmapImage& image = SharedPhoto().Image();
  for (auto _ : state) {
    unsigned char* out = nullptr;
    unsigned long size = 0;
    EncodeDirect(image, out, size);
    benchmark::DoNotOptimize(out);
    std::free(out);
  }
}

// The photo compressed once, as a memory stream holding a .jpg file.
TMemoryStream& SharedFile() {
  static TMemoryStream* file = [] {
    auto* stream = new TMemoryStream;
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(100);
    jpeg.Assign(&SharedPhoto());
    jpeg.SaveToStream(*stream);
    return stream;
  }();
  return *file;
}

void DecodeMeasured(benchmark::State& state) {
  TMemoryStream& file = SharedFile();
  for (auto _ : state) {
    file.SetPosition(0);
    TJPEGImage jpeg;
    jpeg.LoadFromStream(file);
    TBitmap bitmap;
    bitmap.Assign(&jpeg);
    benchmark::DoNotOptimize(bitmap.PixelBytes().data());
  }
  TJPEGImage jpeg;
  file.SetPosition(0);
  jpeg.LoadFromStream(file);
  TBitmap bitmap;
  bitmap.Assign(&jpeg);
  if (bitmap.Width() != kSize || bitmap.PixelFormat() != pf24bit)
    state.SkipWithError("the decoded bitmap is not the picture");
}

void DecodeReference(benchmark::State& state) {
  TMemoryStream& file = SharedFile();
  std::vector<std::uint8_t> pixels;
  for (auto _ : state) {
    std::vector<std::uint8_t> decoded;
    DecodeDirect(static_cast<const unsigned char*>(file.Memory()),
                 static_cast<unsigned long>(file.Size()), decoded);
    benchmark::DoNotOptimize(decoded.data());
  }
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterPair("JpegEncodeQ100", 1.1, kBytes, EncodeMeasured, EncodeReference);
  RegisterPair("JpegDecode", 1.1, kBytes, DecodeMeasured, DecodeReference);
  return true;
}();

}  // namespace
}  // namespace pictor::bench
