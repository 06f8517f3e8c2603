#include "breeding/canvas_statistics.h"
#include "tests/breeding/breeding_fixture.h"

#include <gtest/gtest.h>

namespace kestrova::testing {
namespace {

TEST(CanvasStatistics, WhiteCanvas)
{
    const CanvasStatistics s = MeasureCanvas(UniformGrid(0x00FFFFFF));
    EXPECT_EQ(s.colorKinds, 1);
    EXPECT_EQ(s.histWeight, 16384);
    EXPECT_EQ(s.fPick, 184);
    EXPECT_EQ(s.fRec, 9);
    EXPECT_EQ(s.colorTotal, 2160);
    EXPECT_EQ(s.absTotal, 2160);
    EXPECT_EQ(s.mPick, 160);
    EXPECT_EQ(s.mRec, 17);
    EXPECT_EQ(s.hist5Sum, 4);
    EXPECT_EQ(s.hist7Sum, 2);
    EXPECT_EQ(s.hist11Sum, 1);
    EXPECT_EQ(s.sex, 0);
    EXPECT_EQ(s.coatKey, 0);
    EXPECT_EQ(s.dartKey, 2);
    EXPECT_EQ(s.quaKey, 1);
    EXPECT_EQ(s.teki, 0);
    EXPECT_EQ(s.leftEdgeSum, 480);
    EXPECT_EQ(s.topEdgeSum, 480);
}

TEST(CanvasStatistics, BlackCanvas)
{
    const CanvasStatistics s = MeasureCanvas(UniformGrid(0));
    EXPECT_EQ(s.colorKinds, 1);
    EXPECT_EQ(s.fRec, 9);
    EXPECT_EQ(s.colorTotal, 0);
    EXPECT_EQ(s.mPick, 100);
    EXPECT_EQ(s.mRec, 7);
    EXPECT_EQ(s.leftEdgeSum, 0);
    EXPECT_EQ(s.topEdgeSum, 0);
    EXPECT_EQ(s.sex, 0);
}

// The first `classes` of these colours, whose digit sums are 0 to 15, spread over the canvas.
ColourGrid GridOfClasses(int classes)
{
    static constexpr std::array<uint32_t, 16> colours = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 19, 29, 39, 49, 59, 69};
    ColourGrid grid;
    for (int i = 0; i < kCanvasSize * kCanvasSize; ++i)
        grid.colours[static_cast<std::size_t>(i)] = colours[static_cast<std::size_t>(i % classes)];
    return grid;
}

TEST(CanvasStatistics, ColourKindsCountTheDigitSumClasses)
{
    for (int classes : {1, 2, 7, 15, 16}) EXPECT_EQ(MeasureCanvas(GridOfClasses(classes)).colorKinds, classes) << classes;
    // The digit sums 16 and 0 share bucket 0: 79 (7 + 9) joins black.
    ColourGrid grid = UniformGrid(0);
    grid.Set(3, 4, 79);
    EXPECT_EQ(MeasureCanvas(grid).colorKinds, 1);
}

TEST(CanvasStatistics, ParentRecordsByColourKinds)
{
    struct Case {
        int32_t colorKinds, fRec, mRec;
    };
    // fPick 199 and mPick 199 throughout.
    for (const Case& c : {Case{15, 1, 7}, Case{14, 8, 14}, Case{13, 15, 21}, Case{12, 22, 28}, Case{3, 22, 28},
                          Case{16, 22, 28}, Case{2, 24, 31}, Case{1, 24, 31}}) {
        const ParentRecords r = ParentRecordsFor(c.colorKinds, 199, 199);
        EXPECT_EQ(r.fRec, c.fRec) << c.colorKinds;
        EXPECT_EQ(r.mRec, c.mRec) << c.colorKinds;
    }
    EXPECT_EQ(ParentRecordsFor(15, 132, 128).fRec, 0);
    EXPECT_EQ(ParentRecordsFor(15, 132, 128).mRec, 0);
}

TEST(CanvasStatistics, CoatKeySevenBecomesZero)
{
    ColourGrid grid = UniformGrid(0);
    grid.Set(0, 0, 7);  // colorTotal 7
    const CanvasStatistics s = MeasureCanvas(grid);
    EXPECT_EQ(s.absTotal, 7);
    EXPECT_EQ(s.coatKey, 0);
    EXPECT_EQ(s.sex, 1);
}

TEST(CanvasStatistics, EdgesReadTheLeftColumnAndTheTopRow)
{
    ColourGrid grid = UniformGrid(0);
    for (int i = 0; i < kCanvasSize; ++i) {
        grid.Set(0, i, 0x10 + 3);  // left column: 3 each
        if (i > 0) grid.Set(i, 31, 0xFF);  // the rest of the bottom row counts for neither
    }
    grid.Set(5, 0, 9);
    const CanvasStatistics s = MeasureCanvas(grid);
    EXPECT_EQ(s.leftEdgeSum, 3 * 32);
    EXPECT_EQ(s.topEdgeSum, 3 + 9);
}

}  // namespace
}  // namespace kestrova::testing
