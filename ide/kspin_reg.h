// Unit KSpin's registration: the spin controls are not installed on the
// host's component palette, so it registers nothing.
#pragma once

namespace pictor::KSpin {

void Register();

}  // namespace pictor::KSpin
