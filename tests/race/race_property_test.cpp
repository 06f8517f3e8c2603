#include "foundation/tick_counter.h"
#include "race/race_hooks.h"
#include "race/race_loop.h"
#include "race/race_preparation.h"
#include "race/race_random.h"
#include "tests/race/race_fixture.h"

#include <algorithm>
#include <random>

namespace kestrova::test {
namespace {

// The abilities that generation and the data sheet give in practice.
constexpr int kSpeMax = 40;
constexpr int kStaMax = 60;
constexpr int kCodeMax = 9;  // running style and dirt aptitude

constexpr int32_t CeilDiv(int32_t a, int32_t b) { return (a + b - 1) / b; }

// An upper bound on the steps of any race over those abilities, from the slowest each
// runner can be:
// - forward speeds: start 13, early 12 - 6 = 6 (style 3 with the largest surplus cut),
//   middle 9, late 15 - 6 = 9, finish run 16, spurt 13 once the reserve is spent;
// - while the reserve lasts the spurt speed is raceSpe, as low as 0 - 3 - 4 = -7 (poor on
//   dirt, largest surplus cut), so a move may take the runner back into the late section,
//   from which the next move returns it; every spurt move costs 5 units of a reserve of
//   at most 10 x (60 + 1 - 12) = 490, so that phase lasts at most 2 x 490 / 5 moves,
//   and leaves the runner no further back than 1841 - 7;
// - a runner exactly at 2741 keeps the positive speed that brought it there: one move.
constexpr int32_t kMaxReserve = 10 * (kStaMax + 1 - 12);
constexpr int32_t kMovesPastGap = CeilDiv(150, 13) + CeilDiv(491, 6) + CeilDiv(600, 9) + CeilDiv(600, 9) +
                                  2 * CeilDiv(kMaxReserve, 5) + CeilDiv(2741 - (1841 - 7), 13) + 1;
// The goal is shown at most 8 scrolling and 4 goal steps after the leader passed 2741.
constexpr int32_t kMovesToGoal = kMovesPastGap + CeilDiv(12, 5);
// After that the view stands still (x - umaDist is the same for every runner and no
// longer changes). Until then the leader's x falls by at most 7 + 12 a move (held
// leaders land on the limit), and the leader is at most 3 fastest moves past 2741
// (spe 40 + 2 on dirt, bonus up to 5 + 2), so the last runner must cover at most this
// far beyond 2742 at 16 a move.
constexpr int32_t kFastest = kSpeMax + 2 + 7;
constexpr int32_t kFinishReach = kFinishX + 19 * kMovesToGoal + (2741 + 3 * kFastest) - 2742;
constexpr int32_t kStepBound = 5 * (kMovesToGoal + CeilDiv(kFinishReach, 16)) + 1;

constexpr int kRaces = 4000;

UmaEntry RandomHorse(std::mt19937& rng)
{
    auto pick = [&rng](int low, int high) {
        return static_cast<int16_t>(std::uniform_int_distribution<int>(low, high)(rng));
    };
    UmaEntry horse = Horse(pick(0, kCodeMax), pick(0, kSpeMax), pick(0, kStaMax), pick(0, 40), pick(0, 1),
                           pick(0, kCodeMax));
    horse.coat = pick(0, 7);
    return horse;
}

TEST_F(RaceTest, EveryRaceEndsWithinTheBoundWithAWholeFinishingOrder)
{
    constexpr int16_t courses[4][2] = {{12, 0}, {20, 0}, {30, 0}, {20, 1}};
    std::mt19937 rng(20240501);
    PerGate<int32_t> crossedAt{};
    SetEventPump([&crossedAt](uint32_t) {
        ASSERT_LE(race.frameCount, kStepBound);
        for (std::size_t i = 0; i < kGateCount; ++i)
            if (crossedAt[i] == 0 && race.umaX[i] >= kFinishX) crossedAt[i] = race.frameCount;
    });
    int32_t worst = 0;
    for (int n = 0; n < kRaces; ++n) {
        for (UmaEntry& horse : game.umaEntry) horse = RandomHorse(rng);
        SetCourse(courses[n % 4][0], courses[n % 4][1]);
        crossedAt.fill(0);
        RunSeededRace(static_cast<uint64_t>(n));
        ASSERT_EQ(race.raceOn, 0);
        worst = std::max(worst, race.frameCount);
        PerGate<int16_t> gates = game.orderGate;
        std::sort(gates.begin(), gates.end());
        ASSERT_EQ(gates, (PerGate<int16_t>{0, 1, 2, 3, 4, 5, 6, 7})) << n;
        for (std::size_t k = 0; k < 7; ++k) ASSERT_GE(race.chakusa[k], 0) << n;
        // Nobody is listed ahead of a runner that crossed the line before it.
        for (std::size_t k = 1; k < kGateCount; ++k) {
            const int32_t ahead = crossedAt[static_cast<std::size_t>(game.orderGate[k - 1])];
            const int32_t behind = crossedAt[static_cast<std::size_t>(game.orderGate[k])];
            if (behind != 0) {
                ASSERT_TRUE(ahead != 0 && ahead <= behind) << n;
            }
        }
    }
    RecordProperty("races", kRaces);
    RecordProperty("worstSteps", worst);
    RecordProperty("stepBound", kStepBound);
    std::printf("%d races, worst %d steps, bound %d\n", kRaces, worst, kStepBound);
}

}  // namespace
}  // namespace kestrova::test
