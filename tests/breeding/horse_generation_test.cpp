#include "breeding/debug_sheet_hook.h"
#include "breeding/generation_error.h"
#include "breeding/horse_generation.h"
#include "tests/breeding/breeding_fixture.h"

namespace kestrova::testing {
namespace {

// A white canvas picks stallion 9 and mare 17.
const QString kExampleSire = QStringLiteral("Example Sire,20,22,18,3,7,1,0,1,0");
const QString kExampleDam = QStringLiteral("Example Dam,16,14,14,2,5,2,1");
const ColourGrid kWhite = UniformGrid(0x00FFFFFF);

class HorseGeneration : public BreedingFixture {
protected:
    void SetUp() override
    {
        BreedingFixture::SetUp();
        SetDebugSheetRefresher([this] {
            ++refreshes;
            refreshedEntries = game.umaEntry;
        });
    }
    void TearDown() override
    {
        SetDebugSheetRefresher({});
        BreedingFixture::TearDown();
    }

    void WriteExample(const SlotRecords& layout, const QString& dam = kExampleDam)
    {
        WriteStudBook({{9, kExampleSire}}, {{17, dam}}, layout);
    }

    int refreshes = 0;
    std::array<UmaEntry, kGateCount> refreshedEntries{};
};

struct Example {
    const char* what;
    SlotRecords layout;
    int16_t spe, sta, spi;
};

class SireAndDamExample : public HorseGeneration, public ::testing::WithParamInterface<Example> {};

TEST_P(SireAndDamExample, GivesTheHorse)
{
    WriteExample(GetParam().layout);
    GenerateHorse(4, kWhite, QStringLiteral("白"));
    ASSERT_EQ(fatalErrors, 0);
    const UmaEntry& horse = game.umaEntry[4];
    EXPECT_EQ(horse.name, QStringLiteral("白"));
    EXPECT_EQ(horse.fName, QStringLiteral("Example Sire"));
    EXPECT_EQ(horse.mName, QStringLiteral("Example Dam"));
    EXPECT_EQ(horse.fNo, 1);
    EXPECT_EQ(horse.mNo, 2);
    EXPECT_EQ(horse.sex, 0);
    EXPECT_EQ(horse.coat, 0);
    EXPECT_EQ(horse.qua, 0);
    EXPECT_EQ(horse.dart, 0);
    EXPECT_EQ(horse.teki, 0);
    EXPECT_EQ(horse.spe, GetParam().spe);
    EXPECT_EQ(horse.sta, GetParam().sta);
    EXPECT_EQ(horse.spi, GetParam().spi);
    EXPECT_EQ(game.menuGate, 4);
    EXPECT_EQ(game.pedigree.hyoNo[1], 1);
}

INSTANTIATE_TEST_SUITE_P(
    WhiteCanvas, SireAndDamExample,
    ::testing::Values(
        // Parents without recorded ancestors: the empty layout must not count as a repeat.
        Example{"NoRepeat", {{1, 1}, {2, 2}}, 14, 37, 17},
        // 240 and 250 stand in the third generation on both sides: 240 first, 25 %, bonus (1, 3, 2) less one.
        Example{"BonusOnBothSides", {{1, 1}, {2, 2}, {3, 10}, {5, 20}, {7, 240}, {8, 250}, {11, 240}, {12, 250}}, 14, 31, 13},
        // 240 twice on the sire's side: inbred, no bonus.
        Example{"RepeatOnOneSide", {{1, 1}, {2, 2}, {3, 10}, {4, 11}, {7, 240}, {9, 240}}, 14, 23, 15}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(HorseGeneration, RefreshesTheDataSheetAfterTheGateHoldsTheHorse)
{
    WriteExample({{1, 1}, {2, 2}});
    GenerateHorse(2, kWhite, QStringLiteral("one"));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(refreshedEntries[2].name, QStringLiteral("one"));
    EXPECT_EQ(refreshedEntries[2].sta, 37);
}

TEST_F(HorseGeneration, RefreshWithoutADataSheetDoesNothing)
{
    SetDebugSheetRefresher({});
    WriteExample({{1, 1}, {2, 2}});
    GenerateHorse(0, kWhite, QStringLiteral("quiet"));
    EXPECT_EQ(game.umaEntry[0].spe, 14);
}

TEST_F(HorseGeneration, SameGridTwiceGivesTheSameHorse)
{
    WriteExample({{1, 1}, {2, 2}, {3, 10}, {5, 20}, {7, 240}, {8, 250}, {11, 240}, {12, 250}});
    ColourGrid grid;
    for (int i = 0; i < kCanvasSize * kCanvasSize; ++i) grid.colours[static_cast<std::size_t>(i)] = static_cast<uint32_t>(i * 40503u) & 0xFFFFFF;
    GenerateHorse(1, grid, QStringLiteral("twice"));
    const UmaEntry first = game.umaEntry[1];
    const auto firstSlots = game.pedigree.hyoNo;
    GenerateHorse(1, grid, QStringLiteral("twice"));
    EXPECT_EQ(game.umaEntry[1], first);
    EXPECT_EQ(game.pedigree.hyoNo, firstSlots);
}

// The mended fault: a failed generation leaves the gate, menuGate and the pedigree as they were.
TEST_F(HorseGeneration, FailureKeepsThePreviousHorseWhole)
{
    WriteExample({{1, 1}, {2, 2}});
    GenerateHorse(3, kWhite, QStringLiteral("kept"));
    const UmaEntry kept = game.umaEntry[3];
    const PedigreeTables keptPedigree = game.pedigree;
    game.menuGate = 6;

    // A dam whose stamina range is 0, and who links to a record with ancestors of its own.
    WriteExample({{1, 1}, {2, 3}, {5, 30}}, QStringLiteral("Broken Dam,16,-4,14,2,5,3,1"));
    EXPECT_THROW(GenerateHorse(3, kWhite, QStringLiteral("lost")), GenerationError);
    EXPECT_EQ(game.umaEntry[3], kept);
    EXPECT_EQ(game.menuGate, 6);
    EXPECT_EQ(game.pedigree.hyoNo, keptPedigree.hyoNo);
    EXPECT_EQ(game.pedigree.hyoName, keptPedigree.hyoName);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(fatalErrors, 0);
}

TEST_F(HorseGeneration, NoSuchGate)
{
    WriteExample({{1, 1}, {2, 2}});
    EXPECT_THROW(GenerateHorse(8, kWhite, QStringLiteral("x")), GenerationError);
    EXPECT_THROW(GenerateHorse(-1, kWhite, QStringLiteral("x")), GenerationError);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(HorseGeneration, DeriveHorseTouchesNoGate)
{
    WriteExample({{1, 1}, {2, 2}});
    UmaEntry horse;
    const HorseWorkings workings = DeriveHorse(kWhite, QStringLiteral("loose"), horse);
    EXPECT_EQ(workings.canvas.fRec, 9);
    EXPECT_EQ(workings.draws.speNum, 487);
    EXPECT_EQ(workings.draws.staNum, 485);
    EXPECT_EQ(horse.sta, 37);
    for (const UmaEntry& entry : game.umaEntry) EXPECT_EQ(entry, UmaEntry{});
    EXPECT_EQ(refreshes, 0);
}

}  // namespace
}  // namespace kestrova::testing
