#include "race/finish_record.h"
#include "race/race_hooks.h"
#include "race/race_step.h"
#include "tests/race/race_fixture.h"

namespace kestrova::test {
namespace {

// The whole field level at the gap, x 390, the goal shown: one move step with the
// speeds below brings most of it over the line, the last-ranked runner included.
class FinalMove : public RaceTest {
protected:
    void SetUp() override
    {
        RaceTest::SetUp();
        race.umaDist.fill(kGap);
        race.umaX.fill(390);
        race.umaSpeed = {10, 12, 11, 11, 5, 5, 9, 10};
        race.moveEvery.fill(5);
        race.frameCount = 5;
        race.raceOn = -1;
        race.goalShown = kTrue;
        game.scrollTile = 4;
        game.scrollX = 32;
        SetRaceEndHook([this] { ++ends; });
    }
    int ends = 0;
};

TEST_F(FinalMove, OrdersTheRunnersAtTheLineByDistanceAndNeverRecordsANegativeMargin)
{
    RaceStep();
    // Ranked 0 to 7 before the move (all level); gate 1 passed gate 0 in it, and gate 6,
    // ranked seventh, was still short of the line when gate 7 crossed.
    EXPECT_EQ(game.orderGate, (PerGate<int16_t>{1, 2, 3, 0, 7, 6, 4, 5}));
    EXPECT_EQ(race.chakusa, (PerGate<int32_t>{1, 0, 1, 0, 1, 4, 0, 0}));
    EXPECT_EQ(race.chakusaCount, 7);
    EXPECT_EQ(race.raceOn, 0);
    EXPECT_EQ(ends, 1);
}

TEST_F(FinalMove, GoesOnWhileTheLastRankedRunnerIsShortOfTheLine)
{
    race.umaSpeed[7] = 9;
    RaceStep();
    EXPECT_EQ(race.raceOn, -1);
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(race.finishCount, 4);
    EXPECT_EQ(race.chakusaCount, 3);
}

TEST_F(RaceTest, ARunnerThatPassesAFinisherAfterTheLineStaysBehindIt)
{
    for (std::size_t i = 0; i < kGateCount; ++i) race.umaDist[i] = 2000 + 10 * static_cast<int32_t>(i);
    race.umaDist[3] = 2400;
    race.umaDist[5] = 2390;
    for (std::size_t i = 0; i < kGateCount; ++i) race.umaX[i] = race.umaDist[i] - 2000;
    RecordFinishers();
    race.umaDist[3] += 5;
    race.umaX[3] += 5;
    race.umaDist[5] += 20;
    race.umaX[5] += 20;
    RecordFinishers();
    EndRace();
    EXPECT_EQ(game.orderGate, (PerGate<int16_t>{3, 5, 7, 6, 4, 2, 1, 0}));
    EXPECT_EQ(race.chakusa[0], 10);  // the gap when gate 3 crossed
    EXPECT_EQ(race.chakusa[1], 2410 - 2070);
    EXPECT_EQ(race.chakusa[7], 0);
}

}  // namespace
}  // namespace kestrova::test
