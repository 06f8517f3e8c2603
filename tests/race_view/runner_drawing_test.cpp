// The runners' sprites: which cell each move shows, and what reaches the view near its edges.

#include "tests/race_view/view_fixture.h"

#include "race/race_state.h"
#include "race/race_step.h"

#include <vector>

namespace kestrova::test {
namespace {

constexpr int16_t kGate = 3;
constexpr int16_t kCoat = 5;

class RunnerDrawingTest : public RaceViewTest {
protected:
    QRect Cell(int cell) const { return {48 * cell, 32 * kCoat, 48, 32}; }

    // The lane shows exactly the cell at x and the track everywhere else.
    ::testing::AssertionResult LaneShows(int x, int cell)
    {
        const QImage& image = view.Image();
        const int y = LaneY(kGate);
        if (auto same = SamePixels(image, {x, y}, store.picUmaAll(dirt), Cell(cell)); !same) return same;
        if (auto left = AllPixels(image, {0, y, x, 32}, TrackColour()); !left) return left;
        return AllPixels(image, {x + 48, y, 384 - x - 48, 32}, TrackColour());
    }
};

struct CellCase {
    int32_t leftByLastRace;
    bool spurting;
    std::vector<int> cells;
};

TEST_F(RunnerDrawingTest, CellsCycleZeroOneTwoFromWhereTheLastRaceLeftThem)
{
    const CellCase cases[] = {
        {0, false, {0, 1, 2, 0, 1}},
        {1, false, {1, 2, 0, 1}},
        {2, false, {2, 0, 1, 2}},
        {3, false, {0, 1, 2, 0}},
        {0, true, {4, 1, 2, 4, 1}},
        {2, true, {2, 4, 1, 2}},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "left at " << c.leftByLastRace << (c.spurting ? ", spurting" : ""));
        race.animFrame[kGate] = c.leftByLastRace;
        Prepare(1, PerGate<int16_t>{kCoat, kCoat, kCoat, kCoat, kCoat, kCoat, kCoat, kCoat});
        race.spurtOn[kGate] = c.spurting ? 1 : 0;
        race.umaSpeed[kGate] = 30;
        for (std::size_t move = 0; move < c.cells.size(); ++move) {
            MoveUma(kGate);
            EXPECT_TRUE(LaneShows(race.umaX[kGate], c.cells[move])) << "move " << move;
        }
    }
}

TEST_F(RunnerDrawingTest, SpriteIsCutAtTheViewsEdges)
{
    Prepare(0, PerGate<int16_t>{kCoat, kCoat, kCoat, kCoat, kCoat, kCoat, kCoat, kCoat});
    const QImage& image = view.Image();
    const int y = LaneY(kGate);
    for (const int x : {-48, -47, -20, 0, 336, 350, 383, 384, 400}) {
        SCOPED_TRACE(::testing::Message() << "x = " << x);
        const QImage before = image.copy();
        view.DrawRunner(kGate, x, 1);
        const int left = std::max(x, 0);
        const int right = std::min(x + 48, 384);
        QImage expected = before.copy();
        if (right > left) {
            const QImage cell = store.picUmaAll(dirt).copy(Cell(1)).copy(left - x, 0, right - left, 32);
            for (int j = 0; j < 32; ++j)
                for (int i = 0; i < cell.width(); ++i) expected.setPixel(left + i, y + j, cell.pixel(i, j));
        }
        EXPECT_EQ(image, expected);
        view.EraseRunner(dirt, kGate, x);
        EXPECT_EQ(image, before);
    }
}

}  // namespace
}  // namespace kestrova::test
