// The bitmap (.bmp) file format: decoding into and encoding from a BitmapImage.
//
// Reading accepts the 12-byte core header, the 40-byte info header (also with
// 3 or 4 masks inside, 52 and 56 bytes), the 64-byte extended core header and
// the 108- and 124-byte headers; 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed,
// RLE8, RLE4, bit fields and alpha bit fields; rows bottom-up or top-down.
//
// Limits: width and height must each be at most limits.maxDimension and the
// decoded pixels at most limits.maxBytes, else EInvalidGraphicOperation is
// thrown before anything is allocated. Uncompressed data must be in the stream
// in full before the pixels are allocated. A true-colour colour table may hold
// at most 65535 entries.
//
// Decisions for unusual files:
// - Width 0 and height 0 together give an empty image (that is what WriteBmp
//   writes for one); any other zero or negative width, or zero height, is an error.
// - The planes field is ignored (some writers leave it 0).
// - RLE data that stops cleanly between two codes counts as ended, as if an
//   end-of-bitmap followed; data cut inside a code is an error. Pixels the RLE
//   data never writes are index 0. Runs past the end of a row and moves or rows
//   past the image are errors.
// - A file offset to the pixels of 0 or inside the headers means "right after the
//   colour table"; an offset beyond the stream is an error.
// - An indexed colour table that declares more than 2^bits entries is cut to
//   2^bits; the file must still hold those.
#pragma once

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/limits.h"
#include "host/graphics/streams.h"

namespace pictor {

// Decodes a bitmap file starting at the stream's position. All or nothing:
// throws EInvalidGraphic (damaged/unsupported data, with a clear message) or
// EInvalidGraphicOperation (image beyond the limits); on success the stream is
// positioned after the pixel data.
BitmapImage ReadBmp(TStream& stream, const ImageLimits& limits = kDefaultImageLimits);

// Writes the image as a bitmap file at the stream's position: a 40-byte info
// header at the image's own depth, its palette as the colour table (also for
// true colour), rows bottom-up. pf16bit and pfDevice are written with bit field
// masks so that they read back as the same format.
void WriteBmp(const BitmapImage& image, TStream& stream);

}  // namespace pictor
