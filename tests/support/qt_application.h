// The application of every test program that makes windows: one per
// program, headless unless QT_QPA_PLATFORM names another platform, made
// before the first test and gone after the last (qt_application.cpp, which
// such a program links through pictor_test_folder's QT option).
#pragma once

namespace pictor::testing {

// Makes the application now unless one exists, for code that runs before
// the tests do.
void EnsureApplication();

// Processes pending events (repaints, timers already due, posted events).
void Pump();

}  // namespace pictor::testing
