// Builds WMF and EMF metafiles byte by byte for the metafile tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/graphics/color.h"
#include "host/graphics/metafile.h"
#include "host/graphics/streams.h"

namespace pictor::testing {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, int v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
inline void Put32(Bytes& b, std::int64_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}
inline void PutF32(Bytes& b, float f) {
  std::uint32_t bits;
  __builtin_memcpy(&bits, &f, 4);
  Put32(b, bits);
}
inline void Set32(Bytes& b, std::size_t at, std::int64_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

// A 24-bit bottom-up bitmap with a 40-byte header; pixels[y * w + x] top-down.
inline Bytes Dib24(int w, int h, const std::vector<TColor>& pixels) {
  Bytes b;
  Put32(b, 40);
  Put32(b, w);
  Put32(b, h);
  Put16(b, 1);
  Put16(b, 24);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  const int stride = (w * 3 + 3) / 4 * 4;
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const TColor c = pixels[static_cast<std::size_t>(y * w + x)];
      b.push_back(GetBValue(c));
      b.push_back(GetGValue(c));
      b.push_back(GetRValue(c));
    }
    for (int p = w * 3; p < stride; ++p) b.push_back(0);
  }
  return b;
}

class WmfBuilder {
 public:
  // A record with 16-bit parameters (in record order).
  WmfBuilder& Record(std::uint16_t function, std::initializer_list<int> words) {
    Bytes params;
    for (int w : words) Put16(params, w);
    return Raw(function, params);
  }
  // A record with the parameter bytes given (padded to whole words).
  WmfBuilder& Raw(std::uint16_t function, Bytes params) {
    if (params.size() % 2) params.push_back(0);
    Put32(records_, static_cast<std::int64_t>(3 + params.size() / 2));
    Put16(records_, function);
    records_.insert(records_.end(), params.begin(), params.end());
    return *this;
  }

  WmfBuilder& SetMapMode(int mode) { return Record(0x0103, {mode}); }
  WmfBuilder& SetWindowOrg(int x, int y) { return Record(0x020B, {y, x}); }
  WmfBuilder& SetWindowExt(int x, int y) { return Record(0x020C, {y, x}); }
  WmfBuilder& SetViewportOrg(int x, int y) { return Record(0x020D, {y, x}); }
  WmfBuilder& SetViewportExt(int x, int y) { return Record(0x020E, {y, x}); }
  WmfBuilder& Rectangle(int l, int t, int r, int b) { return Record(0x041B, {b, r, t, l}); }
  WmfBuilder& Ellipse(int l, int t, int r, int b) { return Record(0x0418, {b, r, t, l}); }
  WmfBuilder& MoveTo(int x, int y) { return Record(0x0214, {y, x}); }
  WmfBuilder& LineTo(int x, int y) { return Record(0x0213, {y, x}); }
  WmfBuilder& SaveDc() { return Record(0x001E, {}); }
  WmfBuilder& RestoreDc(int which) { return Record(0x0127, {which}); }
  WmfBuilder& SelectObject(int index) { return Record(0x012D, {index}); }
  WmfBuilder& DeleteObject(int index) { return Record(0x01F0, {index}); }
  WmfBuilder& IntersectClipRect(int l, int t, int r, int b) { return Record(0x0416, {b, r, t, l}); }
  WmfBuilder& ExcludeClipRect(int l, int t, int r, int b) { return Record(0x0415, {b, r, t, l}); }
  WmfBuilder& SetPixel(int x, int y, TColor c) {
    return Record(0x041F, {c & 0xFFFF, (c >> 16) & 0xFFFF, y, x});
  }
  WmfBuilder& CreatePen(int style, int width, TColor c) {
    return Record(0x02FA, {style, width, 0, c & 0xFFFF, (c >> 16) & 0xFFFF});
  }
  WmfBuilder& CreateBrush(int style, TColor c, int hatch = 0) {
    return Record(0x02FC, {style, c & 0xFFFF, (c >> 16) & 0xFFFF, hatch});
  }
  WmfBuilder& CreateFont(int height, int weight, const std::string& face) {
    Bytes p;
    Put16(p, height);
    Put16(p, 0);
    Put16(p, 0);
    Put16(p, 0);
    Put16(p, weight);
    for (int i = 0; i < 8; ++i) p.push_back(0);
    for (char ch : face) p.push_back(static_cast<std::uint8_t>(ch));
    p.push_back(0);
    return Raw(0x02FB, p);
  }
  WmfBuilder& Poly(std::uint16_t function, std::initializer_list<int> xy) {
    Bytes p;
    Put16(p, static_cast<int>(xy.size() / 2));
    for (int v : xy) Put16(p, v);
    return Raw(function, p);
  }
  WmfBuilder& Polygon(std::initializer_list<int> xy) { return Poly(0x0324, xy); }
  WmfBuilder& Polyline(std::initializer_list<int> xy) { return Poly(0x0325, xy); }
  WmfBuilder& TextOut(int x, int y, const std::string& text) {
    Bytes p;
    Put16(p, static_cast<int>(text.size()));
    for (char ch : text) p.push_back(static_cast<std::uint8_t>(ch));
    if (p.size() % 2) p.push_back(0);
    Put16(p, y);
    Put16(p, x);
    return Raw(0x0521, p);
  }
  // StretchDIB of the whole bitmap onto (x, y, w, h).
  WmfBuilder& StretchDib(int x, int y, int w, int h, int srcW, int srcH, const Bytes& dib,
                         std::uint32_t rop = 0x00CC0020) {
    Bytes p;
    Put32(p, rop);
    Put16(p, 0);
    for (int v : {srcH, srcW, 0, 0, h, w, y, x}) Put16(p, v);
    p.insert(p.end(), dib.begin(), dib.end());
    return Raw(0x0F43, p);
  }

  // The file: header, records and an end record; with a placeable header when inch != 0.
  Bytes Build(int inch = 0, int left = 0, int top = 0, int right = 0, int bottom = 0,
              int objects = 8, bool endRecord = true) const {
    Bytes b;
    if (inch != 0) {
      Put32(b, 0x9AC6CDD7);
      Put16(b, 0);
      for (int v : {left, top, right, bottom, inch}) Put16(b, v);
      Put32(b, 0);
      int sum = 0;
      for (std::size_t i = 0; i < 20; i += 2) sum ^= b[i] | b[i + 1] << 8;
      Put16(b, sum);
    }
    Bytes body = records_;
    if (endRecord) {
      Put32(body, 3);
      Put16(body, 0);
    }
    Put16(b, 1);
    Put16(b, 9);
    Put16(b, 0x0300);
    Put32(b, static_cast<std::int64_t>((18 + body.size()) / 2));
    Put16(b, objects);
    Put32(b, 3);
    Put16(b, 0);
    b.insert(b.end(), body.begin(), body.end());
    return b;
  }

 private:
  Bytes records_;
};

class EmfBuilder {
 public:
  // A record with 32-bit parameters.
  EmfBuilder& Record(std::uint32_t type, std::initializer_list<std::int64_t> values) {
    Bytes p;
    for (std::int64_t v : values) Put32(p, v);
    return Raw(type, p);
  }
  EmfBuilder& Raw(std::uint32_t type, Bytes params) {
    while (params.size() % 4) params.push_back(0);
    Put32(records_, type);
    Put32(records_, static_cast<std::int64_t>(8 + params.size()));
    records_.insert(records_.end(), params.begin(), params.end());
    ++count_;
    return *this;
  }

  EmfBuilder& SetMapMode(int mode) { return Record(17, {mode}); }
  EmfBuilder& SetWindowExt(int x, int y) { return Record(9, {x, y}); }
  EmfBuilder& SetWindowOrg(int x, int y) { return Record(10, {x, y}); }
  EmfBuilder& SetViewportExt(int x, int y) { return Record(11, {x, y}); }
  EmfBuilder& SetViewportOrg(int x, int y) { return Record(12, {x, y}); }
  EmfBuilder& Rectangle(int l, int t, int r, int b) { return Record(43, {l, t, r, b}); }
  EmfBuilder& Ellipse(int l, int t, int r, int b) { return Record(42, {l, t, r, b}); }
  EmfBuilder& MoveTo(int x, int y) { return Record(27, {x, y}); }
  EmfBuilder& LineTo(int x, int y) { return Record(54, {x, y}); }
  EmfBuilder& SaveDc() { return Record(33, {}); }
  EmfBuilder& RestoreDc(int which) { return Record(34, {which}); }
  EmfBuilder& SelectObject(std::uint32_t index) { return Record(37, {index}); }
  EmfBuilder& DeleteObject(std::uint32_t index) { return Record(40, {index}); }
  EmfBuilder& CreatePen(int index, int style, int width, TColor c) {
    return Record(38, {index, style, width, 0, c});
  }
  EmfBuilder& CreateBrush(int index, int style, TColor c, int hatch = 0) {
    return Record(39, {index, style, c, hatch});
  }
  EmfBuilder& IntersectClipRect(int l, int t, int r, int b) { return Record(30, {l, t, r, b}); }
  EmfBuilder& ExcludeClipRect(int l, int t, int r, int b) { return Record(29, {l, t, r, b}); }
  // Poly records with 32-bit points (bounds left zero).
  EmfBuilder& Poly(std::uint32_t type, std::initializer_list<int> xy) {
    Bytes p;
    for (int i = 0; i < 4; ++i) Put32(p, 0);
    Put32(p, static_cast<std::int64_t>(xy.size() / 2));
    for (int v : xy) Put32(p, v);
    return Raw(type, p);
  }
  // 16-bit points.
  EmfBuilder& Poly16(std::uint32_t type, std::initializer_list<int> xy) {
    Bytes p;
    for (int i = 0; i < 4; ++i) Put32(p, 0);
    Put32(p, static_cast<std::int64_t>(xy.size() / 2));
    for (int v : xy) Put16(p, v);
    return Raw(type, p);
  }
  EmfBuilder& SetWorldTransform(float m11, float m12, float m21, float m22, float dx, float dy) {
    Bytes p;
    for (float f : {m11, m12, m21, m22, dx, dy}) PutF32(p, f);
    return Raw(35, p);
  }
  // StretchDIBits of the whole bitmap onto (x, y, w, h).
  EmfBuilder& StretchDiBits(int x, int y, int w, int h, int srcW, int srcH, const Bytes& dib,
                            std::uint32_t rop = 0x00CC0020) {
    Bytes p;
    for (int i = 0; i < 4; ++i) Put32(p, 0);
    for (std::int64_t v : {x, y, 0, 0, srcW, srcH}) Put32(p, v);
    const std::int64_t offBmi = 8 + 72;  // after the record header and the fixed fields
    Put32(p, offBmi);
    Put32(p, 40);
    Put32(p, offBmi + 40);
    Put32(p, static_cast<std::int64_t>(dib.size() - 40));
    Put32(p, 0);
    Put32(p, rop);
    Put32(p, w);
    Put32(p, h);
    p.insert(p.end(), dib.begin(), dib.end());
    return Raw(81, p);
  }
  // Options 2 (opaque) and 4 (clipped) use the box l, t, r, b.
  EmfBuilder& ExtTextOutW(int x, int y, const std::u16string& text, int options = 0, int l = 0,
                          int t = 0, int r = 0, int b = 0) {
    Bytes p;
    for (int i = 0; i < 4; ++i) Put32(p, 0);
    Put32(p, 1);  // graphics mode
    PutF32(p, 1);
    PutF32(p, 1);
    Put32(p, x);
    Put32(p, y);
    Put32(p, static_cast<std::int64_t>(text.size()));
    Put32(p, 8 + 68);  // offString: right after the fixed part
    Put32(p, options);
    for (int v : {l, t, r, b}) Put32(p, v);
    Put32(p, 0);  // offDx
    for (char16_t ch : text) Put16(p, ch);
    return Raw(84, p);
  }

  // Header with a frame in 0.01 mm and a reference device of devW x devH
  // pixels over mmW x mmH millimetres; then the records and an end record.
  Bytes Build(int frameL, int frameT, int frameR, int frameB, int devW = 960, int devH = 960,
              int mmW = 254, int mmH = 254, int handles = 8, bool endRecord = true) const {
    Bytes body = records_;
    if (endRecord) {
      Put32(body, 14);
      Put32(body, 20);
      Put32(body, 0);
      Put32(body, 16);
      Put32(body, 20);
    }
    Bytes b;
    Put32(b, 1);
    Put32(b, 88);
    for (int i = 0; i < 4; ++i) Put32(b, 0);  // bounds
    for (int v : {frameL, frameT, frameR, frameB}) Put32(b, v);
    Put32(b, 0x464D4520);
    Put32(b, 0x10000);
    Put32(b, static_cast<std::int64_t>(88 + body.size()));
    Put32(b, count_ + 2);
    Put16(b, handles);
    Put16(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    for (int v : {devW, devH, mmW, mmH}) Put32(b, v);
    b.insert(b.end(), body.begin(), body.end());
    return b;
  }

 private:
  Bytes records_;
  int count_ = 0;
};

inline void LoadBytes(TMetafile& m, const Bytes& bytes) {
  TMemoryStream s;
  if (!bytes.empty()) s.WriteBuffer(bytes.data(), bytes.size());
  s.SetPosition(0);
  m.LoadFromStream(s);
}

}  // namespace pictor::testing
