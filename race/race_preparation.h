#pragma once
// Turns the eight entered horses and the chosen course into the starting state of a race.

namespace kestrova {

// Draws the starting picture, sets every runner's race parameters and re-seeds the
// random-number generator from the clock. Draws no random number itself.
void PrepareRace();

// The adjustments by surface and dirt aptitude.
void ApplySurface();
// Paces by running style, stamina against distance, and the spurt bonus class.
void ApplyStyleAndDistance();

}  // namespace kestrova
