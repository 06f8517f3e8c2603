#include "race/race_hooks.h"
#include "race/race_preparation.h"
#include "race/race_random.h"
#include "tests/race/race_fixture.h"

namespace kestrova::test {
namespace {

struct Prepared {
    int32_t raceSpe, raceSta, raceSpi;
    int16_t paceEarly, paceLate, spurtBonus;
};

Prepared PreparedGate0()
{
    return {race.raceSpe[0], race.raceSta[0], race.raceSpi[0], race.paceEarly[0], race.paceLate[0], race.spurtBonus[0]};
}

struct PreparationCase {
    const char* what;
    UmaEntry horse;
    int16_t distance, dirt;
    Prepared expected;
};

class Preparation : public RaceTest, public ::testing::WithParamInterface<PreparationCase> {};

TEST_P(Preparation, GivesTheRunnerItsParameters)
{
    const PreparationCase& c = GetParam();
    EnterHorses(c.horse);
    SetCourse(c.distance, c.dirt);
    PrepareRace();
    const Prepared got = PreparedGate0();
    const Prepared& want = c.expected;
    EXPECT_EQ(got.raceSpe, want.raceSpe);
    EXPECT_EQ(got.raceSta, want.raceSta);
    EXPECT_EQ(got.raceSpi, want.raceSpi);
    EXPECT_EQ(got.paceEarly, want.paceEarly);
    EXPECT_EQ(got.paceLate, want.paceLate);
    EXPECT_EQ(got.spurtBonus, want.spurtBonus);
}

// Horse(qua, spe, sta, spi, teki, dart); expected {raceSpe, raceSta, raceSpi, paceEarly, paceLate, spurtBonus}.
INSTANTIATE_TEST_SUITE_P(
    Cases, Preparation,
    ::testing::Values(
        // The worked examples.
        PreparationCase{"surplus 280 on turf 1200", Horse(0, 20, 40, 15, 0, 0), 12, 0, {18, 280, 15, 16, 13, 2}},
        PreparationCase{"shortfall 5 on turf 3000", Horse(3, 20, 25, 15, 0, 0), 30, 0, {20, 0, 15, 12, 19, 3}},
        PreparationCase{"good on dirt, dirt 2000", Horse(2, 20, 30, 15, 0, 0), 20, 1, {22, 110, 19, 14, 19, 3}},
        // Surface rows.
        PreparationCase{"dart 3 on turf", Horse(1, 20, 25, 15, 0, 3), 20, 0, {18, 50, 12, 16, 16, 2}},
        PreparationCase{"dart 3 on dirt", Horse(1, 20, 25, 15, 0, 3), 20, 1, {22, 60, 19, 16, 16, 3}},
        PreparationCase{"dart 2 on dirt", Horse(1, 20, 25, 15, 0, 2), 20, 1, {17, 30, 10, 16, 16, 2}},
        PreparationCase{"dart 1 on dirt", Horse(1, 20, 25, 15, 0, 1), 20, 1, {20, 50, 15, 16, 16, 3}},
        PreparationCase{"dart 0 on turf", Horse(1, 20, 25, 15, 0, 0), 20, 0, {20, 50, 15, 16, 16, 3}},
        // Shortfall bands.
        PreparationCase{"shortfall 2 is free", Horse(1, 20, 18, 15), 20, 0, {20, 0, 15, 16, 16, 3}},
        PreparationCase{"shortfall 3 costs 2", Horse(1, 20, 17, 15), 20, 0, {20, 0, 15, 16, 14, 3}},
        PreparationCase{"shortfall 9 costs 2", Horse(1, 20, 11, 15), 20, 0, {20, 0, 15, 16, 14, 3}},
        PreparationCase{"shortfall 10 costs 5", Horse(1, 20, 10, 15), 20, 0, {20, 0, 15, 16, 11, 3}},
        PreparationCase{"shortfall 100 costs 5", Horse(1, 20, -80, 15), 20, 0, {20, 0, 15, 16, 11, 3}},
        PreparationCase{"shortfall 101 is free", Horse(1, 20, -81, 15), 20, 0, {20, 0, 15, 16, 16, 3}},
        // Surplus bands on the reserve.
        PreparationCase{"reserve 250 is free", Horse(1, 20, 45, 15), 20, 0, {20, 250, 15, 16, 16, 3}},
        PreparationCase{"reserve 260", Horse(1, 20, 46, 15), 20, 0, {18, 260, 15, 14, 14, 2}},
        PreparationCase{"reserve 300", Horse(1, 20, 50, 15), 20, 0, {18, 300, 15, 14, 14, 2}},
        PreparationCase{"reserve 310", Horse(1, 20, 51, 15), 20, 0, {17, 310, 15, 11, 11, 2}},
        PreparationCase{"reserve 400", Horse(1, 20, 60, 15), 20, 0, {17, 400, 15, 11, 11, 2}},
        PreparationCase{"reserve 410", Horse(1, 20, 61, 15), 20, 0, {16, 410, 15, 10, 10, 2}},
        PreparationCase{"teki 1 never pays the surplus", Horse(1, 20, 90, 15, 1), 20, 0, {20, 700, 15, 16, 16, 3}},
        // Spurt bonus classes.
        PreparationCase{"speed 18", Horse(1, 18, 25, 15), 20, 0, {18, 50, 15, 16, 16, 2}},
        PreparationCase{"speed 19", Horse(1, 19, 25, 15), 20, 0, {19, 50, 15, 16, 16, 3}},
        PreparationCase{"speed 26", Horse(1, 26, 25, 15), 20, 0, {26, 50, 15, 16, 16, 4}},
        PreparationCase{"speed 27", Horse(1, 27, 25, 15), 20, 0, {27, 50, 15, 16, 16, 5}},
        PreparationCase{"speed 100", Horse(1, 100, 25, 15), 20, 0, {100, 50, 15, 16, 16, 5}},
        PreparationCase{"speed 101", Horse(1, 101, 25, 15), 20, 0, {101, 50, 15, 16, 16, 2}},
        PreparationCase{"speed -1", Horse(1, -1, 25, 15), 20, 0, {-1, 50, 15, 16, 16, 2}},
        // Running styles; one outside 0 to 3 runs as style 1, penalties included.
        PreparationCase{"style 0", Horse(0, 20, 25, 15), 20, 0, {20, 50, 15, 18, 15, 3}},
        PreparationCase{"style 3", Horse(3, 20, 25, 15), 20, 0, {20, 50, 15, 12, 21, 3}},
        PreparationCase{"style 4", Horse(4, 20, 25, 15), 20, 0, {20, 50, 15, 16, 16, 3}},
        PreparationCase{"style 9 with surplus", Horse(9, 20, 61, 15), 20, 0, {16, 410, 15, 10, 10, 2}},
        PreparationCase{"style -1 with shortfall", Horse(-1, 20, 10, 15), 20, 0, {20, 0, 15, 16, 11, 3}}),
    [](const ::testing::TestParamInfo<PreparationCase>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST_F(RaceTest, PreparationClearsTheMovingStateAndKeepsTheSpriteFrames)
{
    EnterHorses(Horse(1, 20, 25, 15));
    SetCourse(20, 0);
    race.umaX.fill(412);
    race.umaDist.fill(3000);
    race.chakusa.fill(9);
    race.chakusaCount = 7;
    race.spurtOn.fill(1);
    race.animFrame.fill(2);
    race.umaSpeed.fill(17);
    game.viewShift = 12;
    game.scrollTile = 4;
    game.scrollX = 32;
    PrepareRace();
    for (std::size_t i = 0; i < kGateCount; ++i) {
        EXPECT_EQ(race.umaX[i], 0);
        EXPECT_EQ(race.umaDist[i], 0);
        EXPECT_EQ(race.chakusa[i], 0);
        EXPECT_EQ(race.spurtOn[i], 0);
        EXPECT_EQ(race.moveEvery[i], 5);
        EXPECT_EQ(race.animFrame[i], 2);
        EXPECT_EQ(race.umaSpeed[i], 17);
    }
    EXPECT_EQ(race.chakusaCount, 0);
    EXPECT_EQ(race.finishCount, 0);
    EXPECT_EQ(game.viewShift, 0);
    EXPECT_EQ(game.scrollTile, 1);
    EXPECT_EQ(game.scrollX, 0);
}

TEST_F(RaceTest, PreparationDrawsNoNumberAndReseedsFromTheClockOnce)
{
    EnterHorses(Horse(2, 22, 33, 18));
    SetCourse(30, 1);
    int seedings = 0;
    SetSeedSource([&seedings] {
        ++seedings;
        return uint64_t{7};
    });
    std::vector<double> draws;
    SetDrawLog(&draws);
    PrepareRace();
    const RaceState first = race;
    PrepareRace();
    EXPECT_TRUE(draws.empty());
    EXPECT_EQ(seedings, 2);
    EXPECT_EQ(race.raceSpe, first.raceSpe);
    EXPECT_EQ(race.raceSta, first.raceSta);
    EXPECT_EQ(race.paceLate, first.paceLate);
    const double afterPreparation = Rnd();
    Randomize(7);
    EXPECT_EQ(Rnd(), afterPreparation);
}

TEST_F(RaceTest, StartingPictureTakesTheSurfaceAndTheCoatsFromTheCoatSource)
{
    RecordingView view;
    SetRaceView(&view);
    EnterHorses(Horse(1, 20, 25, 15));
    for (int16_t gate = 0; gate < kGateCount; ++gate) game.umaEntry[static_cast<std::size_t>(gate)].coat = gate;
    SetCourse(20, 1);
    PrepareRace();
    SetCoatSource([](int16_t gate) { return static_cast<int16_t>(7 - gate); });
    PrepareRace();
    EXPECT_EQ(view.requests, (std::vector<std::string>{"start dirt=1 coats=01234567", "start dirt=1 coats=76543210"}));
}

}  // namespace
}  // namespace kestrova::test
