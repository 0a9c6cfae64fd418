// Helpers of the toolkit tests: the application they all run in (headless)
// and small conveniences.
#pragma once

#include <QCoreApplication>

namespace pictor::testing {

// Processes pending events (repaints, timers already due, posted events).
inline void Pump() { QCoreApplication::processEvents(); }

}  // namespace pictor::testing
