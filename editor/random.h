// The editor's random number generator (the spray tool draws random points),
// seeded once from the clock when an editor window is created.
#pragma once

namespace pictor {

// Seeds the generator from the clock.
void Randomize();
// A uniform integer 0 <= r < n (0 when n <= 0).
int Random(int n);

}  // namespace pictor
