#pragma once
// The one random-number generator of the program. The engine and the conversion to
// [0, 1) are fixed here, not left to the standard library's distributions, so that a
// seed gives the same race with every compiler on every machine.

#include <cstdint>
#include <functional>
#include <vector>

namespace kestrova {

using SeedSource = std::function<uint64_t()>;

void Randomize(uint64_t seed);

// Re-seeds from the seed source, by default the wall clock.
void RandomizeFromClock();

// An empty source restores the clock.
void SetSeedSource(SeedSource source);

// Uniform in [0, 1), 53 random bits.
double Rnd();

// Every later draw is appended to log; nullptr stops the logging.
void SetDrawLog(std::vector<double>* log);

}  // namespace kestrova
