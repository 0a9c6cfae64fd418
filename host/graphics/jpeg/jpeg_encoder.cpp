// Compression into a growing malloc'd block, one guarded stage.
#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include <jerror.h>

#include "host/graphics/errors.h"
#include "host/graphics/jpeg/jpeg_codec.h"
#include "host/graphics/jpeg/jpeg_errors.h"
#include "host/graphics/pixels/pixel_convert.h"

namespace pictor {
namespace {

constexpr int kRowBatch = 16;

// A destination that doubles its block with realloc when full.
struct GrowingDestination {
  jpeg_destination_mgr manager;  // first: libjpeg sees only this part
  unsigned char* buffer;
  std::size_t capacity;
  std::size_t size;
};

GrowingDestination& DestinationOf(j_compress_ptr cinfo) {
  return *reinterpret_cast<GrowingDestination*>(cinfo->dest);
}

void InitDestination(j_compress_ptr cinfo) {
  GrowingDestination& d = DestinationOf(cinfo);
  d.manager.next_output_byte = d.buffer;
  d.manager.free_in_buffer = d.capacity;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  GrowingDestination& d = DestinationOf(cinfo);
  void* grown = std::realloc(d.buffer, d.capacity * 2);
  if (!grown) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  d.buffer = static_cast<unsigned char*>(grown);
  d.manager.next_output_byte = d.buffer + d.capacity;
  d.manager.free_in_buffer = d.capacity;
  d.capacity *= 2;
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  GrowingDestination& d = DestinationOf(cinfo);
  d.size = d.capacity - d.manager.free_in_buffer;
}

// Everything the guarded stage touches: plain data only.
struct EncodeJob {
  jpeg_compress_struct cinfo;
  JpegErrors errors;
  GrowingDestination destination;
  const std::uint8_t* pixels;
  std::size_t stride;
  JDIMENSION width;
  JDIMENSION height;
  J_COLOR_SPACE inputSpace;
  int inputComponents;
  int quality;
  bool grayscale;
};

// Owns the job and the output block until the bytes are handed out.
class Compressor {
 public:
  Compressor() { InstallJpegErrors(reinterpret_cast<j_common_ptr>(&job_.cinfo), job_.errors); }
  ~Compressor() {
    jpeg_destroy_compress(&job_.cinfo);
    std::free(job_.destination.buffer);
  }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  EncodeJob& job() { return job_; }
  JpegBytes TakeBytes() {
    GrowingDestination& d = job_.destination;
    // Gives back the unused tail (in place, so without a copy).
    if (void* fitted = std::realloc(d.buffer, std::max<std::size_t>(d.size, 1)))
      d.buffer = static_cast<unsigned char*>(fitted);
    JpegBytes bytes(d.buffer, d.size);
    d.buffer = nullptr;
    return bytes;
  }

 private:
  EncodeJob job_{};
};

void CompressStage(void* context) {
  EncodeJob& job = *static_cast<EncodeJob*>(context);
  j_compress_ptr cinfo = &job.cinfo;
  jpeg_create_compress(cinfo);
  job.destination.manager.init_destination = InitDestination;
  job.destination.manager.empty_output_buffer = EmptyOutputBuffer;
  job.destination.manager.term_destination = TermDestination;
  cinfo->dest = &job.destination.manager;
  cinfo->image_width = job.width;
  cinfo->image_height = job.height;
  cinfo->input_components = job.inputComponents;
  cinfo->in_color_space = job.inputSpace;
  jpeg_set_defaults(cinfo);
  if (job.grayscale) jpeg_set_colorspace(cinfo, JCS_GRAYSCALE);
  jpeg_set_quality(cinfo, job.quality, TRUE);
  if (!job.grayscale && job.quality >= 90) {
    // Full-resolution colour: thin coloured lines stay sharp.
    cinfo->comp_info[0].h_samp_factor = 1;
    cinfo->comp_info[0].v_samp_factor = 1;
  }
  jpeg_start_compress(cinfo, TRUE);
  JSAMPROW rows[kRowBatch];
  while (cinfo->next_scanline < job.height) {
    const JDIMENSION first = cinfo->next_scanline;
    const JDIMENSION count = std::min<JDIMENSION>(kRowBatch, job.height - first);
    for (JDIMENSION i = 0; i < count; ++i)
      rows[i] = const_cast<JSAMPROW>(job.pixels + (first + i) * job.stride);
    jpeg_write_scanlines(cinfo, rows, count);
  }
  jpeg_finish_compress(cinfo);
}

}  // namespace

JpegBytes EncodeJpeg(const BitmapImage& image, const JpegEncodeOptions& options) {
  if (image.empty()) throw EInvalidGraphicOperation("An empty image cannot be compressed");
  // Formats other than 24 and 32 bits are converted first; those two go as they are.
  BitmapImage converted;
  const BitmapImage* source = &image;
  if (image.bpp() != 24 && image.bpp() != 32) {
    converted = ConvertImage(image, pf24bit, OwnedPalette());
    source = &converted;
  }
  const bool fourBytes = source->bpp() == 32;

  Compressor compressor;
  EncodeJob& job = compressor.job();
  job.pixels = source->pixels.data();
  job.stride = source->stride;
  job.width = static_cast<JDIMENSION>(source->width);
  job.height = static_cast<JDIMENSION>(source->height);
  job.inputSpace = fourBytes ? JCS_EXT_BGRX : JCS_EXT_BGR;
  job.inputComponents = fourBytes ? 4 : 3;
  job.quality = std::clamp(options.quality, 1, 100);
  job.grayscale = options.grayscale;
  // A first guess at the size; the block doubles when it is too small.
  const std::size_t guess = static_cast<std::size_t>(source->width) * source->height / 4 + 16384;
  job.destination.buffer = static_cast<unsigned char*>(std::malloc(guess));
  if (!job.destination.buffer) throw std::bad_alloc();
  job.destination.capacity = guess;
  if (!RunGuarded(job.errors, CompressStage, &job))
    throw EInvalidGraphicOperation(std::string("Cannot compress the JPEG image: ") +
                                   job.errors.message);
  return compressor.TakeBytes();
}

}  // namespace pictor
