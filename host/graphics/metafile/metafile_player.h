// Playing the records of a checked metafile onto a canvas.
#pragma once

#include <cstdint>
#include <span>

#include "host/graphics/geometry.h"
#include "host/graphics/metafile/metafile_device.h"
#include "host/graphics/metafile/metafile_format.h"

namespace pictor::metafile {

// How the metafile's picture box reaches rect, and the state playing starts with.
Mapping MappingFor(const MetafileInfo& info, const TRect& rect);
void InitialState(const MetafileInfo& info, DcState& dc);

// The records after the headers, in order; unknown and malformed records are skipped.
void PlayWmf(std::span<const std::uint8_t> data, const MetafileInfo& info, Device& device);
void PlayEmf(std::span<const std::uint8_t> data, const MetafileInfo& info, Device& device);

}  // namespace pictor::metafile
