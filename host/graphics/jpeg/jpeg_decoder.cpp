// Decoding in two guarded stages: the header first, so the size is checked
// against the limits and the pixels allocated before libjpeg allocates its own
// buffers; then the scanlines, straight into the rows of the image.
#include <algorithm>
#include <string>
#include <vector>

#include "host/graphics/errors.h"
#include "host/graphics/jpeg/jpeg_codec.h"
#include "host/graphics/jpeg/jpeg_errors.h"

namespace pictor {
namespace {

// Real files have a few dozen scans at most; a flood of scans is a way to make
// one small file take minutes.
constexpr int kMaxScans = 256;
constexpr int kRowBatch = 16;

// Everything the guarded stages touch: plain data only.
struct DecodeJob {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  jpeg_progress_mgr progress;
  const std::uint8_t* data;
  std::size_t size;
  long maxMemory;
  std::uint8_t* pixels;  // rows of the 24-bit target
  std::size_t stride;
  std::uint8_t* cmykRow;  // set for CMYK and YCCK files
  bool invertedCmyk;      // Adobe files store 255 - ink
};

// Owns the job so that libjpeg's memory goes whatever happens.
class Decompressor {
 public:
  Decompressor() {
    InstallJpegErrors(reinterpret_cast<j_common_ptr>(&job_.cinfo), job_.errors);
  }
  ~Decompressor() { jpeg_destroy_decompress(&job_.cinfo); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  DecodeJob& job() { return job_; }
  void Run(void (*stage)(void*)) {
    if (!RunGuarded(job_.errors, stage, &job_)) Fail();
  }

 private:
  [[noreturn]] void Fail() const {
    if (IsMemoryFailure(job_.errors))
      throw EInvalidGraphicOperation(std::string("JPEG image needs more memory than allowed (") +
                                     job_.errors.message + ")");
    throw EInvalidGraphic(std::string("JPEG image is not valid: ") + job_.errors.message);
  }

  DecodeJob job_{};
};

void CheckScanCount(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
    FailJpeg(cinfo, "it has more than 256 scans");
}

void ReadHeaderStage(void* context) {
  DecodeJob& job = *static_cast<DecodeJob*>(context);
  jpeg_create_decompress(&job.cinfo);
  job.cinfo.mem->max_memory_to_use = job.maxMemory;
  job.progress.progress_monitor = CheckScanCount;
  job.cinfo.progress = &job.progress;
  jpeg_mem_src(&job.cinfo, job.data, static_cast<unsigned long>(job.size));
  jpeg_read_header(&job.cinfo, TRUE);
}

// One row of C, M, Y, K to B, G, R. Without an Adobe marker the values are ink
// amounts; with one they are stored inverted (255 - ink), as Adobe writes them.
void CmykToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, unsigned width, bool inverted) {
  for (unsigned x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    bgr[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
    bgr[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
    bgr[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
  }
}

void ReadPixelsStage(void* context) {
  DecodeJob& job = *static_cast<DecodeJob*>(context);
  j_decompress_ptr cinfo = &job.cinfo;
  jpeg_start_decompress(cinfo);
  const unsigned height = cinfo->output_height;
  JSAMPROW rows[kRowBatch];
  while (cinfo->output_scanline < height) {
    const unsigned first = cinfo->output_scanline;
    unsigned read;
    if (job.cmykRow) {
      rows[0] = job.cmykRow;
      read = jpeg_read_scanlines(cinfo, rows, 1);
      if (read == 1)
        CmykToBgr(job.cmykRow, job.pixels + first * job.stride, cinfo->output_width,
                  job.invertedCmyk);
    } else {
      const unsigned count = std::min<unsigned>(kRowBatch, height - first);
      for (unsigned i = 0; i < count; ++i) rows[i] = job.pixels + (first + i) * job.stride;
      read = jpeg_read_scanlines(cinfo, rows, count);
    }
    if (read == 0) FailJpeg(reinterpret_cast<j_common_ptr>(cinfo), "the data stops early");
  }
  // The rest of the file (normally just the end marker) is not needed.
}

// Refuses an image beyond the limits before anything is allocated for it.
void CheckSize(JDIMENSION width, JDIMENSION height, const ImageLimits& limits) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width > static_cast<JDIMENSION>(limits.maxDimension) ||
      height > static_cast<JDIMENSION>(limits.maxDimension))
    throw EInvalidGraphicOperation("JPEG image of " + size + " pixels is too large (at most " +
                                   std::to_string(limits.maxDimension) + " pixels a side)");
  const std::size_t bytes = RowStride(static_cast<int>(width), 24) * height;
  if (bytes > limits.maxBytes)
    throw EInvalidGraphicOperation("JPEG image of " + size + " pixels needs " +
                                   std::to_string(bytes >> 20) + " MiB, more than the " +
                                   std::to_string(limits.maxBytes >> 20) + " MiB allowed");
}

// Replaces colours by their luminance, in place.
void MakeGrey(BitmapImage& image) {
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* p = image.Row(y);
    for (int x = 0; x < image.width; ++x, p += 3) {
      const unsigned grey = (p[0] * 1868u + p[1] * 9617u + p[2] * 4899u + 8192u) >> 14;
      p[0] = p[1] = p[2] = static_cast<std::uint8_t>(grey);
    }
  }
}

}  // namespace

BitmapImage DecodeJpeg(const std::uint8_t* data, std::size_t size, bool grayscale,
                       const ImageLimits& limits) {
  Decompressor decompressor;
  DecodeJob& job = decompressor.job();
  job.data = data;
  job.size = size;
  // libjpeg's own buffers (whole-image coefficients of progressive files, at most
  // 8 bytes a pixel) stay within a few times the pixel limit.
  job.maxMemory = static_cast<long>(std::min<std::size_t>(limits.maxBytes, std::size_t{1} << 40) * 3);
  decompressor.Run(ReadHeaderStage);

  jpeg_decompress_struct& cinfo = job.cinfo;
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB: cinfo.out_color_space = JCS_EXT_BGR; break;
    case JCS_CMYK:
    case JCS_YCCK: cinfo.out_color_space = JCS_CMYK; break;
    default:
      throw EInvalidGraphic("JPEG image is not valid: images of " +
                            std::to_string(cinfo.num_components) +
                            " colour components are not supported");
  }
  CheckSize(cinfo.image_width, cinfo.image_height, limits);
  BitmapImage image = AllocateImage(static_cast<int>(cinfo.image_width),
                                    static_cast<int>(cinfo.image_height), pf24bit, limits);
  std::vector<std::uint8_t> cmykRow;
  if (cinfo.out_color_space == JCS_CMYK) {
    cmykRow.resize(static_cast<std::size_t>(image.width) * 4);
    job.cmykRow = cmykRow.data();
    job.invertedCmyk = cinfo.saw_Adobe_marker;
  }
  job.pixels = image.pixels.data();
  job.stride = image.stride;
  decompressor.Run(ReadPixelsStage);

  if (grayscale && cinfo.jpeg_color_space != JCS_GRAYSCALE) MakeGrey(image);
  return image;
}

}  // namespace pictor
