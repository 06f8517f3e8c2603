#include "race/race_random.h"
#include "race/race_step.h"
#include "tests/race/race_fixture.h"

#include <cmath>

namespace kestrova::test {
namespace {

TEST_F(RaceTest, RankingPutsTheFarthestFirstAndLevelRunnersInGateOrder)
{
    race.umaDist = {300, 320, 320, 280, 320, 310, 300, 250};
    RankRunners();
    EXPECT_EQ(game.orderGate, (PerGate<int16_t>{1, 2, 4, 5, 0, 6, 3, 7}));
    race.umaDist.fill(0);
    RankRunners();
    EXPECT_EQ(game.orderGate, (PerGate<int16_t>{0, 1, 2, 3, 4, 5, 6, 7}));
}

// Whole-field positions in the early section, no draws: gate 0 leads at x 178.
class ViewHold : public RaceTest {
protected:
    void SetUp() override
    {
        RaceTest::SetUp();
        race.paceEarly.fill(16);
        race.moveEvery.fill(5);
        for (std::size_t i = 0; i < kGateCount; ++i) {
            race.umaDist[i] = 400 - 10 * static_cast<int32_t>(i);
            race.umaX[i] = 178 - 10 * static_cast<int32_t>(i);
        }
        RankRunners();
        race.frameCount = 5;
    }
};

TEST_F(ViewHold, HoldsTheLeaderAtTheLimitAndShiftsTheFieldAsMuch)
{
    RaceStep();
    EXPECT_EQ(game.viewShift, 14);
    EXPECT_EQ(race.umaX[0], 180);
    EXPECT_EQ(race.umaX[7], 108 + 16 - 14);
    EXPECT_EQ(race.umaDist[7], 330 + 16);
}

TEST_F(ViewHold, MovesTheLimitTo190OnceGate0Spurts)
{
    race.spurtOn[0] = 1;
    RaceStep();
    EXPECT_EQ(game.viewShift, 12);
    EXPECT_EQ(race.umaX[0], 182);
}

TEST_F(ViewHold, LetsTheLeaderGoOnceTheGoalIsShown)
{
    race.goalShown = kTrue;
    RaceStep();
    EXPECT_EQ(game.viewShift, 12);
    EXPECT_EQ(race.umaX[0], 182);
}

TEST_F(ViewHold, MovesNobodyOnAStepThatIsNotAMultipleOfFive)
{
    const RaceState before = race;
    race.frameCount = 4;
    RaceStep();
    EXPECT_EQ(race.umaX, before.umaX);
    EXPECT_EQ(race.umaDist, before.umaDist);
}

TEST_F(RaceTest, SectionsGiveTheirSpeedsAndDrawInGateOrder)
{
    race.paceEarly.fill(17);
    race.paceLate.fill(19);
    race.umaSpeed.fill(-5);
    race.umaDist = {0, 149, 150, 640, 641, 1241, 2741, 2742};
    std::vector<double> draws;
    SetDrawLog(&draws);
    Randomize(11);
    SetSpeeds();
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(race.umaSpeed[0], 12 + static_cast<int32_t>(std::floor(3 * draws[0] + 1)));
    EXPECT_EQ(race.umaSpeed[1], 12 + static_cast<int32_t>(std::floor(3 * draws[1] + 1)));
    EXPECT_EQ(race.umaSpeed[2], 17);
    EXPECT_EQ(race.umaSpeed[3], 17);
    EXPECT_EQ(race.umaSpeed[4], static_cast<int32_t>(std::floor(5 * draws[2] + 12)) - 3);
    EXPECT_EQ(race.umaSpeed[5], 19);
    EXPECT_EQ(race.umaSpeed[6], -5);  // exactly at the gap: kept
    EXPECT_EQ(race.umaSpeed[7], 15 + static_cast<int32_t>(std::floor(3 * draws[3] + 1)));
    for (std::size_t i = 0; i < kGateCount; ++i) EXPECT_EQ(race.spurtOn[i], 0) << i;
}

// Gate 2 in the spurt section, everybody else at the gap (no draws); place 2 of the
// previous ranking is held by gate 5.
class SpurtComparison : public RaceTest {
protected:
    void SetUp() override
    {
        RaceTest::SetUp();
        race.umaDist.fill(kGap);
        race.umaDist[2] = 2000;
        game.orderGate = {0, 1, 5, 3, 4, 2, 6, 7};
        race.raceSpe[2] = 24;
        race.raceSpi[2] = 20;
        race.spurtBonus[2] = 4;
        SetDrawLog(&draws);
    }
    std::vector<double> draws;
};

TEST_F(SpurtComparison, AStrongerRivalLeavesOnlyTheCoinDrawn)
{
    race.raceSpi[5] = 21;
    for (uint64_t seed = 0; seed < 20; ++seed) {
        Randomize(seed);
        draws.clear();
        race.raceSta[2] = 50;
        SetSpeeds();
        EXPECT_EQ(draws.size(), 1u);
        EXPECT_EQ(race.umaSpeed[2], 24);
        EXPECT_EQ(race.raceSta[2], 49);
        EXPECT_EQ(race.spurtOn[2], 1);
    }
}

TEST_F(SpurtComparison, AnEqualRivalGivesTheBonusWhenTheCoinShows0)
{
    race.raceSpi[5] = 20;
    int bonuses = 0;
    for (uint64_t seed = 0; seed < 20; ++seed) {
        Randomize(seed);
        draws.clear();
        race.raceSta[2] = 0;
        SetSpeeds();
        const bool coinIs0 = std::floor(2 * draws.at(0)) == 0;
        ASSERT_EQ(draws.size(), coinIs0 ? 2u : 1u);
        const int32_t bonus = coinIs0 ? static_cast<int32_t>(std::floor(3 * draws[1] + 4)) : 0;
        EXPECT_EQ(race.umaSpeed[2], 13 + bonus);  // no reserve left: 13
        EXPECT_EQ(race.raceSta[2], 0);
        bonuses += coinIs0;
    }
    EXPECT_GT(bonuses, 0);
}

// The first tile fed is the rest of plain tile 1; then tiles 2 (plain) and 3 (post),
// and from there on plain, plain, post.
TEST_F(RaceTest, RailFeedsFromTheThirdColumnOfTheFirstTileAndPostsEveryThirdTile)
{
    RecordingView view;
    SetRaceView(&view);
    game.scrollTile = 1;
    game.scrollX = 0;
    for (int column = 0; column < 3 + 24; ++column) ScrollSaku();
    std::vector<std::string> want;
    for (int x : {8, 16, 24}) want.insert(want.end(), {"rail plain " + std::to_string(x), "present"});
    for (const char* tile : {"plain ", "post ", "plain ", "plain ", "post ", "plain "})
        for (int x : {0, 8, 16, 24}) want.insert(want.end(), {"rail " + std::string(tile) + std::to_string(x), "present"});
    EXPECT_EQ(view.requests, want);
    EXPECT_EQ(game.scrollTile, 1);
}

TEST_F(RaceTest, GoalFeedsThreeColumnsThenIsShown)
{
    RecordingView view;
    SetRaceView(&view);
    game.scrollTile = 2;
    game.scrollX = 16;
    for (int call = 0; call < 3; ++call) DrawGoal();
    EXPECT_EQ(race.goalShown, kFalse);
    DrawGoal();
    DrawGoal();
    EXPECT_EQ(race.goalShown, kTrue);
    EXPECT_EQ(game.scrollTile, 4);
    EXPECT_EQ(view.requests, (std::vector<std::string>{"goal 8", "goal 16", "goal 24"}));
}

TEST_F(RaceTest, MoveErasesDrawsPresentsAndCyclesTheSpriteCells)
{
    RecordingView view;
    SetRaceView(&view);
    game.raceConditions.dirt = 1;
    race.umaSpeed[3] = 10;
    race.animFrame[3] = 2;
    for (int move = 0; move < 3; ++move) MoveUma(3);
    race.spurtOn[3] = 1;
    for (int move = 0; move < 3; ++move) MoveUma(3);
    EXPECT_EQ(view.requests, (std::vector<std::string>{
                                 "erase 3 x=0 dirt=1", "draw 3 x=10 cell=2", "present",
                                 "erase 3 x=10 dirt=1", "draw 3 x=20 cell=0", "present",
                                 "erase 3 x=20 dirt=1", "draw 3 x=30 cell=1", "present",
                                 "erase 3 x=30 dirt=1", "draw 3 x=40 cell=2", "present",
                                 "erase 3 x=40 dirt=1", "draw 3 x=50 cell=4", "present",
                                 "erase 3 x=50 dirt=1", "draw 3 x=60 cell=1", "present",
                             }));
    EXPECT_EQ(race.animFrame[3], 2);
}

}  // namespace
}  // namespace kestrova::test
