// Damaged, hostile and unsupported files are refused with a clear error and
// leave the bitmap that tried to load them untouched.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "host/graphics/bitmap.h"
#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/bmp/bmp_format.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "tests/graphics/bmp/bmp_test_support.h"

namespace pictor::bmptest {
namespace {

// A valid 3 x 2 24-bit file for the cases to damage.
BmpFile Good() {
  BmpFile f;
  f.width = 3;
  f.height = 2;
  f.pixels = Bytes(2 * 12, 0x40);
  return f;
}

struct BadCase {
  const char* what;
  std::function<Bytes()> file;
};

Bytes Cut(Bytes b, std::size_t size) {
  b.resize(size);
  return b;
}

BmpFile With(std::function<void(BmpFile&)> change) {
  BmpFile f = Good();
  change(f);
  return f;
}

const BadCase kBadCases[] = {
    {"empty stream", [] { return Bytes{}; }},
    {"wrong signature",
     [] {
       Bytes b = Good().Build();
       b[0] = 'X';
       return b;
     }},
    {"truncated file header", [] { return Cut(Good().Build(), 10); }},
    {"truncated info header", [] { return Cut(Good().Build(), 30); }},
    {"truncated pixel data", [] { return Cut(Good().Build(), 14 + 40 + 23); }},
    {"truncated colour table",
     [] {
       return Cut(With([](BmpFile& f) {
                    f.bitCount = 8;
                    f.colorsUsed = 0;
                  }).Build(),
                  60);
     }},
    {"unknown header size", [] { return With([](BmpFile& f) { f.headerSize = 44; }).Build(); }},
    {"zero width", [] { return With([](BmpFile& f) { f.width = 0; }).Build(); }},
    {"negative width", [] { return With([](BmpFile& f) { f.width = -3; }).Build(); }},
    {"zero height", [] { return With([](BmpFile& f) { f.height = 0; }).Build(); }},
    {"lowest height",
     [] {
       return With([](BmpFile& f) { f.height = std::numeric_limits<std::int32_t>::min(); }).Build();
     }},
    {"bit count 2", [] { return With([](BmpFile& f) { f.bitCount = 2; }).Build(); }},
    {"bit count 0", [] { return With([](BmpFile& f) { f.bitCount = 0; }).Build(); }},
    {"JPEG inside", [] { return With([](BmpFile& f) { f.compression = bmp::kJpeg; }).Build(); }},
    {"PNG inside", [] { return With([](BmpFile& f) { f.compression = bmp::kPng; }).Build(); }},
    {"unknown compression", [] { return With([](BmpFile& f) { f.compression = 77; }).Build(); }},
    {"bit fields at 24 bits",
     [] {
       return With([](BmpFile& f) {
                f.compression = bmp::kBitfields;
                f.masks = {0xFF0000, 0xFF00, 0xFF};
              })
           .Build();
     }},
    {"truncated masks",
     [] {
       return Cut(With([](BmpFile& f) {
                    f.bitCount = 32;
                    f.compression = bmp::kBitfields;
                  }).Build(),
                  14 + 40 + 6);
     }},
    {"pixel offset beyond the file",
     [] { return With([](BmpFile& f) { f.offBits = 100000; }).Build(); }},
    {"pixel offset leaves too few pixels",
     [] { return With([](BmpFile& f) { f.offBits = 14 + 40 + 4; }).Build(); }},
    {"true-colour table absurdly large",
     [] { return With([](BmpFile& f) { f.colorsUsed = 70000; }).Build(); }},
    {"true-colour table beyond the file",
     [] { return With([](BmpFile& f) { f.colorsUsed = 1000; }).Build(); }},
    {"huge dimensions",
     [] {
       return With([](BmpFile& f) {
                f.width = 100000;
                f.height = 100000;
              })
           .Build();
     }},
    {"huge width",
     [] {
       return With([](BmpFile& f) { f.width = std::numeric_limits<std::int32_t>::max(); }).Build();
     }},
    {"huge top-down height", [] { return With([](BmpFile& f) { f.height = -70000; }).Build(); }},
    {"core header zero width",
     [] {
       return With([](BmpFile& f) {
                f.headerSize = 12;
                f.width = 0;
              })
           .Build();
     }},
};

bool IsDecodeError(const std::exception& e) {
  return dynamic_cast<const EInvalidGraphic*>(&e) ||
         dynamic_cast<const EInvalidGraphicOperation*>(&e);
}

TEST(BmpBadInput, EachCaseRaisesAClearErrorAndTheBitmapKeepsItsPicture) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf8bit);
  bitmap.SetSize(5, 4);
  bitmap.Canvas()->SetPixels(1, 1, clRed);
  TMemoryStream saved;
  bitmap.SaveToStream(saved);
  const Bytes before(saved.Memory(), saved.Memory() + saved.Size());

  for (const BadCase& c : kBadCases) {
    const Bytes file = c.file();
    TMemoryStream s;
    s.WriteBuffer(file.data(), file.size());
    s.SetPosition(0);
    try {
      bitmap.LoadFromStream(s);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const std::exception& e) {
      EXPECT_TRUE(IsDecodeError(e)) << c.what << ": " << e.what();
      EXPECT_GT(std::string(e.what()).size(), 10u) << c.what;
    }
    EXPECT_EQ(bitmap.Width(), 5) << c.what;
    EXPECT_EQ(bitmap.PixelFormat(), pf8bit) << c.what;
    TMemoryStream after;
    bitmap.SaveToStream(after);
    EXPECT_EQ(Bytes(after.Memory(), after.Memory() + after.Size()), before) << c.what;
  }
}

TEST(BmpBadInput, MessagesNameTheProblem) {
  const auto message = [](const Bytes& file) -> std::string {
    try {
      ReadBytes(file);
    } catch (const std::exception& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_NE(message(Cut(Good().Build(), 14 + 40 + 23)).find("truncated"), std::string::npos);
  EXPECT_NE(message(With([](BmpFile& f) { f.compression = bmp::kPng; }).Build()).find("PNG"),
            std::string::npos);
  EXPECT_NE(message(With([](BmpFile& f) { f.height = 0; }).Build()).find("size"),
            std::string::npos);
}

TEST(BmpLimits, OversizedHeaderIsRefusedBeforeTheDataIsLookedAt) {
  // 100000 x 100000 would need 30 GB; the file holds 24 bytes of pixels.
  BmpFile f = Good();
  f.width = 100000;
  f.height = 100000;
  EXPECT_THROW(ReadBytes(f.Build()), EInvalidGraphicOperation);
}

TEST(BmpLimits, CallerLimitsApplyToSidesAndBytes) {
  const Bytes file = Good().Build();
  EXPECT_NO_THROW(ReadBytes(file, ImageLimits{3, 1000}));
  EXPECT_THROW(ReadBytes(file, ImageLimits{2, 1000}), EInvalidGraphicOperation);
  EXPECT_THROW(ReadBytes(file, ImageLimits{100, 20}), EInvalidGraphicOperation);
}

}  // namespace
}  // namespace pictor::bmptest
