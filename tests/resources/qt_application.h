// One headless application for the tests that make windows.
#pragma once

namespace pictor::testing {

// Creates the application (offscreen unless QT_QPA_PLATFORM says otherwise)
// the first time; it lives until the test program ends.
void EnsureApplication();

}  // namespace pictor::testing
