#include "breeding/cross_bonus.h"
#include "breeding/generation_error.h"
#include "breeding/horse_abilities.h"
#include "tests/breeding/breeding_fixture.h"

#include <gtest/gtest.h>

namespace kestrova::testing {
namespace {

StudBookBuffers ExampleParents()
{
    StudBookBuffers p;
    p.uma1Spe = 20, p.uma1Sta = 22, p.uma1Spi = 18, p.uma1Range = 3, p.uma1Seed = 7;
    p.uma1Kei = 0, p.uma1QuaType = 1, p.uma1DartType = 0;
    p.uma2Spe = 16, p.uma2Sta = 14, p.uma2Spi = 14, p.uma2Range = 2, p.uma2Seed = 5, p.uma2Kei = 1;
    return p;
}

class HorseAbilities : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }

    static void SetFirstCross(int16_t count, int16_t kind, int32_t no, double blood)
    {
        PedigreeTables& p = game.pedigree;
        p.crossCount = count;
        p.crossKind[0] = kind;
        p.crossNo[0] = no;
        p.crossBlood[0] = blood;
    }

    UmaEntry Derive(const StudBookBuffers& parents = ExampleParents())
    {
        UmaEntry horse;
        draws = DeriveAbilities(MeasureCanvas(UniformGrid(0x00FFFFFF)), parents, horse);
        return horse;
    }

    AbilityDraws draws;
};

TEST_F(HorseAbilities, WhiteCanvasWithoutRepeatedAncestor)
{
    const UmaEntry horse = Derive();
    EXPECT_EQ(draws.speSpread, 2);
    EXPECT_EQ(draws.speMid, 18);
    EXPECT_EQ(draws.spiMid, 16);
    EXPECT_FALSE(draws.inbred);
    EXPECT_EQ(horse.spe, 14);
    EXPECT_EQ(horse.sta, 37);
    EXPECT_EQ(horse.spi, 17);
    EXPECT_EQ(horse.dart, 0);
    EXPECT_EQ(horse.qua, 0);
    EXPECT_EQ(horse.coat, 0);
    EXPECT_EQ(horse.teki, 0);
    EXPECT_EQ(horse.sex, 0);
}

TEST_F(HorseAbilities, BonusOfAnAncestorOnBothSides)
{
    SetFirstCross(2, 2, 240, 25);
    const UmaEntry horse = Derive();
    EXPECT_EQ(game.pedigree.crossSpe, 0);
    EXPECT_EQ(game.pedigree.crossSta, 2);
    EXPECT_EQ(game.pedigree.crossSpi, 1);
    EXPECT_EQ(horse.spe, 14);
    EXPECT_EQ(horse.sta, 31);
    EXPECT_EQ(horse.spi, 13);
}

TEST_F(HorseAbilities, OneSidedRepeatIsInbredWithoutBonus)
{
    SetFirstCross(2, 1, 240, 25);
    const UmaEntry horse = Derive();
    EXPECT_TRUE(draws.inbred);
    EXPECT_EQ(draws.staSpread, 2);
    EXPECT_EQ(horse.spe, 14);
    EXPECT_EQ(horse.sta, 23);
    EXPECT_EQ(horse.spi, 15);
}

TEST_F(HorseAbilities, FillyLosesFourStamina)
{
    ColourGrid grid = UniformGrid(0x00FFFFFF);
    grid.Set(31, 31, 0x00FFFFFE);  // colorTotal 2159: a filly
    UmaEntry horse;
    DeriveAbilities(MeasureCanvas(grid), ExampleParents(), horse);
    EXPECT_EQ(horse.sex, 1);
    EXPECT_EQ(horse.sta, 37 - 4);
}

TEST_F(HorseAbilities, CrossBonusIsReducedOnlyAboveEighteenPointSevenFive)
{
    struct Case {
        int32_t no;
        double blood;
        int16_t spe, sta, spi;
    };
    for (const Case& c : {Case{240, 18.75, 1, 3, 2}, Case{240, 18.76, 0, 2, 1}, Case{9, 50, 0, 0, 2},
                          Case{15, 12.5, 3, 0, 0}, Case{456, 25, 0, 0, 0}, Case{10, 12.5, 0, 0, 0}}) {
        SetFirstCross(1, 2, c.no, c.blood);
        CrossBonus();
        EXPECT_EQ(game.pedigree.crossSpe, c.spe) << c.no << " " << c.blood;
        EXPECT_EQ(game.pedigree.crossSta, c.sta) << c.no << " " << c.blood;
        EXPECT_EQ(game.pedigree.crossSpi, c.spi) << c.no << " " << c.blood;
    }
    EXPECT_TRUE(IsCrossBonusKey(240));
    EXPECT_FALSE(IsCrossBonusKey(241));
}

TEST(AbilityFloors, ShortfallsArePaidOnward)
{
    struct Case {
        Abilities drawn, floored;
    };
    for (const Case& c : {Case{{9, 2, 5}, {12, 0, 4}}, Case{{12, 0, 0}, {12, 0, 0}}, Case{{10, 5, 1}, {12, 3, 1}},
                          Case{{3, 1, 5}, {12, 0, 0}}, Case{{20, -3, 2}, {20, 0, 0}}, Case{{15, 20, -1}, {15, 20, 0}}})
        EXPECT_EQ(Floored(c.drawn), c.floored) << c.drawn.spe << " " << c.drawn.sta << " " << c.drawn.spi;
}

TEST(AbilityTables, DirtAptitudeByKey)
{
    // Each row: the dart codes for keys 0..9.
    const std::vector<std::pair<int16_t, std::array<int32_t, 10>>> rows = {
        {0, {0, 0, 0, 0, 1, 1, 1, 2, 2, 3}}, {1, {0, 1, 1, 1, 1, 1, 2, 2, 2, 3}}, {2, {0, 1, 1, 2, 2, 2, 2, 2, 2, 3}},
        {3, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}, {-1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}};
    for (const auto& [type, codes] : rows)
        for (int32_t key = 0; key < 10; ++key) EXPECT_EQ(DartFor(type, key), codes[static_cast<std::size_t>(key)]) << type << " " << key;
}

TEST(AbilityTables, RunningStyleByKey)
{
    const std::vector<std::pair<int16_t, std::array<int32_t, 10>>> rows = {
        {0, {0, 0, 0, 0, 1, 1, 1, 2, 3, 3}}, {1, {0, 0, 1, 1, 1, 1, 2, 2, 2, 3}}, {2, {0, 1, 1, 1, 2, 2, 2, 2, 3, 3}},
        {3, {0, 0, 1, 2, 2, 2, 3, 3, 3, 3}}, {4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}};
    for (const auto& [type, codes] : rows)
        for (int32_t key = 0; key < 10; ++key) EXPECT_EQ(QuaFor(type, key), codes[static_cast<std::size_t>(key)]) << type << " " << key;
}

TEST(AbilityTables, CoatRules)
{
    struct Case {
        int16_t sire, dam;
        int32_t coatKey, colorKinds, coat;
    };
    for (const Case& c : {Case{1, 3, 19, 15, 7}, Case{3, 1, 19, 14, 3}, Case{1, 3, 9, 15, 1}, Case{3, 1, 10, 1, 3},
                          Case{3, 3, 13, 4, 3}, Case{5, 6, 0, 4, 5}, Case{5, 6, 5, 4, 5}, Case{5, 6, 6, 4, 6},
                          Case{5, 6, 10, 4, 6}, Case{5, 6, 11, 4, 0}, Case{5, 6, 12, 4, 0}, Case{5, 6, 13, 4, 1},
                          Case{5, 6, 15, 4, 2}, Case{5, 6, 16, 4, 3}, Case{5, 6, 17, 4, 4}, Case{5, 6, 18, 4, 5},
                          Case{5, 6, 19, 4, 6}, Case{7, 2, 3, 4, 7}})
        EXPECT_EQ(CoatFor(c.sire, c.dam, c.coatKey, c.colorKinds), c.coat) << c.sire << " " << c.dam << " " << c.coatKey;
}

TEST(AbilityTables, HalvesRoundToEven)
{
    for (auto [sum, rounded] : std::vector<std::pair<int32_t, int32_t>>{{37, 18}, {39, 20}, {5, 2}, {4, 2}, {-1, 0}, {-3, -2}, {0, 0}})
        EXPECT_EQ(HalfRoundedToEven(sum), rounded) << sum;
}

TEST_F(HorseAbilities, RangeOfZeroIsAnError)
{
    StudBookBuffers parents = ExampleParents();
    parents.uma2Sta = -4;  // stamina range -4 + 2 x 2
    UmaEntry horse;
    EXPECT_THROW(Derive(parents), GenerationError);
}

TEST_F(HorseAbilities, AbilityBeyondSixteenBitsIsAnError)
{
    StudBookBuffers parents = ExampleParents();
    parents.uma1Sta = 32767;  // stamina from 32765 upward
    parents.uma2Sta = 100;
    EXPECT_THROW(Derive(parents), GenerationError);
}

}  // namespace
}  // namespace kestrova::testing
