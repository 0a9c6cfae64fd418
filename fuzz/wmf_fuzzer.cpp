// WMF metafiles, with or without the placeable header.
#include "fuzz/metafile_fuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzMetafile(data, size);
}
