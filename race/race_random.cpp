#include "race/race_random.h"

#include <chrono>
#include <random>

namespace kestrova {
namespace {

std::mt19937_64& Engine()
{
    static std::mt19937_64 engine;
    return engine;
}

uint64_t ClockSeed()
{
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

SeedSource& Seeds()
{
    static SeedSource source = ClockSeed;
    return source;
}

std::vector<double>*& DrawLog()
{
    static std::vector<double>* log = nullptr;
    return log;
}

}  // namespace

void Randomize(uint64_t seed) { Engine().seed(seed); }

void RandomizeFromClock() { Randomize(Seeds()()); }

void SetSeedSource(SeedSource source) { Seeds() = source ? std::move(source) : ClockSeed; }

double Rnd()
{
    constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
    const double value = static_cast<double>(Engine()() >> 11) * kTwoToMinus53;
    if (DrawLog() != nullptr) DrawLog()->push_back(value);
    return value;
}

void SetDrawLog(std::vector<double>* log) { DrawLog() = log; }

}  // namespace kestrova
