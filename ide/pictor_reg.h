// Unit PictorReg: what the package registers with the host.
#pragma once

namespace pictor::PictorReg {

// Installs TPictureProperty as the editor of TBitmap and TPicture properties.
void Register();

}  // namespace pictor::PictorReg
