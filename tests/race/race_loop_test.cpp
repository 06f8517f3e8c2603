#include "foundation/tick_counter.h"
#include "race/race_hooks.h"
#include "race/race_loop.h"
#include "race/race_preparation.h"
#include "race/race_random.h"
#include "tests/race/race_fixture.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <utility>

namespace kestrova::test {
namespace {

// Each pump call as (frameCount, msUntilDue).
using PumpLog = std::vector<std::pair<int32_t, uint32_t>>;

class Pacing : public RaceTest {
protected:
    void SetUp() override
    {
        RaceTest::SetUp();
        EnterHorses(Horse(1, 20, 25, 15));
        SetCourse(20, 0);
        PrepareRace();
    }
    // Runs the loop on the given clock readings, for as many passes.
    PumpLog Run(std::deque<uint32_t> readings, std::size_t passes)
    {
        SetTickSource([readings]() mutable {
            const uint32_t now = readings.front();
            readings.pop_front();
            return now;
        });
        PumpLog log;
        SetEventPump([&log, passes](uint32_t ms) {
            log.emplace_back(race.frameCount, ms);
            if (log.size() == passes) race.raceOn = 0;
        });
        RunRace();
        return log;
    }
};

TEST_F(Pacing, StepsOnlyAfterMoreThanTheWaitSinceTheStampOfThePassAfterTheLastStep)
{
    const PumpLog log = Run({100, 100, 110, 111, 111, 115, 122}, 5);
    EXPECT_EQ(log, (PumpLog{{0, 11}, {0, 1}, {1, 0}, {1, 7}, {2, 0}}));
}

TEST_F(Pacing, AWrapOfTheCounterDoesNotStallTheLoop)
{
    const PumpLog log = Run({0xFFFFFFF8u, 0xFFFFFFFCu, 2, 3, 3, 14}, 4);
    EXPECT_EQ(log, (PumpLog{{0, 7}, {0, 1}, {1, 0}, {2, 0}}));
}

TEST_F(RaceTest, ARaceRunsToItsEndAndHandsOverOnce)
{
    EnterHorses(Horse(2, 22, 30, 18));
    SetCourse(20, 0);
    int ends = 0;
    int32_t pumpsAfterEnd = 0;
    int32_t pumps = 0;
    SetRaceEndHook([&ends] {
        ++ends;
        EXPECT_EQ(race.raceOn, 0);
    });
    SetEventPump([&](uint32_t) {
        ++pumps;
        pumpsAfterEnd += ends;
    });
    RunSeededRace(3);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(pumpsAfterEnd, 1);  // the events of the final step still run
    EXPECT_EQ(pumps, race.frameCount);
    EXPECT_EQ(race.chakusaCount, 7);
}

TEST_F(RaceTest, NobodyMovesBeforeStep5AndTheRailWaitsForTheWholeField)
{
    EnterHorses(Horse(0, 20, 30, 15));
    SetCourse(12, 0);
    std::vector<RaceState> steps;
    std::vector<int16_t> scrollX;
    SetEventPump([&](uint32_t) {
        steps.push_back(race);
        scrollX.push_back(game.scrollX);
    });
    RunSeededRace(21);
    for (std::size_t step = 0; step < 4; ++step) EXPECT_EQ(steps[step].umaDist, PerGate<int32_t>{}) << step;
    for (std::size_t i = 0; i < kGateCount; ++i) {
        EXPECT_EQ(steps[4].umaDist[i], steps[4].umaSpeed[i]);
        EXPECT_GE(steps[4].umaSpeed[i], 13);
        EXPECT_LE(steps[4].umaSpeed[i], 15);
    }
    for (std::size_t step = 0; step < steps.size(); ++step) {
        const auto& dist = steps[step].umaDist;
        if (*std::min_element(dist.begin(), dist.end()) < 149) {
            EXPECT_EQ(scrollX[step], 0) << step;
        }
    }
}

TEST_F(RaceTest, ASeedGivesTheSameRaceAndThePinnedOne)
{
    EnterHorses(Horse(1, 20, 28, 16));
    game.umaEntry[4] = Horse(3, 26, 35, 20);
    game.umaEntry[6] = Horse(0, 17, 22, 12, 1, 2);
    SetCourse(20, 1);
    std::vector<double> first;
    SetDrawLog(&first);
    RunSeededRace(2024);
    std::vector<double> second;
    SetDrawLog(&second);
    RunSeededRace(2024);
    EXPECT_EQ(second, first);
    EXPECT_EQ(race.frameCount, 1080);
    EXPECT_EQ(game.orderGate, (PerGate<int16_t>{4, 5, 1, 7, 2, 3, 0, 6}));
    EXPECT_EQ(race.chakusa, (PerGate<int32_t>{312, 39, 4, 2, 16, 103, 154, 0}));
}

TEST(RaceRandom, ConvertsTheStandardEngineTo53BitFractions)
{
    // The standard fixes the 10000th output of a default-seeded mt19937_64.
    Randomize(5489);
    for (int draw = 1; draw < 10000; ++draw) Rnd();
    EXPECT_EQ(Rnd(), std::ldexp(static_cast<double>(9981545732273789042ULL >> 11), -53));
}

}  // namespace
}  // namespace kestrova::test
