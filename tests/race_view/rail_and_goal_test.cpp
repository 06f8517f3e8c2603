// The rail row as it scrolls, and the goal post fed in at the end of the race.

#include "tests/race_view/view_fixture.h"

#include "race/race_state.h"
#include "race/race_step.h"

#include <vector>

namespace kestrova::test {
namespace {

constexpr int kColumnsInView = 384 / 8;

struct RailColumn {
    bool post;
    int offset;
};

// The rail as an endless row of 8-pixel columns: tiles with a post at k = 2, 5, 8, ...,
// where tile 12, the first fed in after the start, lacks its first column.
std::vector<RailColumn> RailStream(int columns)
{
    std::vector<RailColumn> stream;
    for (int k = 0; static_cast<int>(stream.size()) < columns; ++k)
        for (int offset = 0; offset < 32; offset += 8)
            if (k != 12 || offset != 0) stream.push_back({k % 3 == 2, offset});
    stream.resize(static_cast<std::size_t>(columns));
    return stream;
}

class RailAndGoalTest : public RaceViewTest, public ::testing::WithParamInterface<int16_t> {
protected:
    ::testing::AssertionResult RailAfter(int steps)
    {
        const std::vector<RailColumn> stream = RailStream(steps + kColumnsInView);
        const QImage& saku = store.picSaku(dirt);
        for (int i = 0; i < kColumnsInView; ++i) {
            const RailColumn column = stream[static_cast<std::size_t>(steps + i)];
            const QRect from(column.offset + (column.post ? 32 : 0), 0, 8, 24);
            if (auto same = SamePixels(view.Image(), {8 * i, 0}, saku, from); !same) return same;
        }
        return ::testing::AssertionSuccess();
    }

    // Past the last call of the goal, with the whole field far behind the view's left edge
    // so that no runner is drawn.
    void RunGoalSteps(int steps)
    {
        race.umaDist.fill(2800);
        race.umaX.fill(-200);
        for (int step = 1; step <= steps; ++step) {
            race.frameCount = step;
            RaceStep();
        }
    }
};

TEST_P(RailAndGoalTest, RailScrollsEightPixelsAStepAndContinuesItsPattern)
{
    Prepare(GetParam());
    int steps = 0;
    for (int checkpoint : {0, 1, 3, 4, 11, 12, 36, 50}) {
        for (; steps < checkpoint; ++steps) ScrollSaku();
        EXPECT_TRUE(RailAfter(steps)) << "after " << steps << " steps";
    }
}

TEST_P(RailAndGoalTest, GoalPostComesInOverThreeStepsAndTheRailStops)
{
    Prepare(GetParam());
    while (game.scrollTile != 2) ScrollSaku();
    const QImage before = view.Image().copy();

    RunGoalSteps(3);
    const QImage fed = view.Image().copy();
    RunGoalSteps(5);
    EXPECT_EQ(race.goalShown, kTrue);

    const QImage& image = view.Image();
    EXPECT_EQ(image, fed);
    EXPECT_TRUE(SamePixels(image, {0, 0}, before, {0, 0, 352, 24}));
    EXPECT_TRUE(SamePixels(image, {352, 0}, before, {376, 0, 8, 24}));
    // Goal tile column c at x 352 + c, which puts the post at 365 to 372.
    EXPECT_TRUE(SamePixels(image, {360, 0}, store.picGoal(dirt), {8, 0, 24, 24}));
    // The goal tile has no rows below 24: the track there stays as it was.
    EXPECT_TRUE(AllPixels(image, {352, 24, 32, 40}, TrackColour()));
}

INSTANTIATE_TEST_SUITE_P(BothSurfaces, RailAndGoalTest, ::testing::Values(int16_t{0}, int16_t{1}));

}  // namespace
}  // namespace kestrova::test
