// How fast the running model goes headless: single race steps, and whole races
// through the paced loop on a clock that makes every pass a step.

#include "foundation/game_state.h"
#include "foundation/tick_counter.h"
#include "race/race_loop.h"
#include "race/race_preparation.h"
#include "race/race_random.h"
#include "race/race_state.h"
#include "race/race_step.h"

#include <benchmark/benchmark.h>

namespace kestrova {
namespace {

void EnterField()
{
    for (int16_t gate = 0; gate < kGateCount; ++gate) {
        UmaEntry& horse = game.umaEntry[static_cast<std::size_t>(gate)];
        horse.qua = static_cast<int16_t>(gate % 4);
        horse.spe = static_cast<int16_t>(18 + gate);
        horse.sta = static_cast<int16_t>(24 + gate);
        horse.spi = static_cast<int16_t>(14 + gate);
        horse.dart = static_cast<int16_t>(gate % 4);
    }
    game.raceConditions = {20, 0};
}

void PrepareSeeded(uint64_t seed)
{
    SetSeedSource([seed] { return seed; });
    PrepareRace();
    race.raceOn = -1;
    race.frameCount = 0;
    race.goalShown = kFalse;
}

void RaceSteps(benchmark::State& state)
{
    EnterField();
    uint64_t seed = 0;
    PrepareSeeded(seed);
    for (auto _ : state) {
        race.frameCount += 1;
        RaceStep();
        if (race.raceOn == 0) {
            state.PauseTiming();
            PrepareSeeded(++seed);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RaceSteps);

void WholeRaces(benchmark::State& state)
{
    EnterField();
    SetTickSource([now = uint32_t{0}]() mutable { return now += 11; });
    uint64_t seed = 0;
    int64_t steps = 0;
    for (auto _ : state) {
        SetSeedSource([seed] { return seed; });
        ++seed;
        PrepareRace();
        RunRace();
        steps += race.frameCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["stepsPerRace"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
    SetTickSource({});
}
BENCHMARK(WholeRaces);

}  // namespace
}  // namespace kestrova

BENCHMARK_MAIN();
