#include "ide/kspin_reg.h"

namespace pictor::KSpin {

void Register() {}

}  // namespace pictor::KSpin
