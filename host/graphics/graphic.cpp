#include "host/graphics/graphic.h"

#include "host/graphics/streams.h"

namespace pictor {

void TGraphic::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& fileName) const {
  TMemoryStream encoded;
  SaveToStream(encoded);
  encoded.SaveToFile(fileName);
}

bool TGraphic::AssignTo(TGraphic&) const { return false; }

}  // namespace pictor
