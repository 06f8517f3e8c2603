#include "tests/race_view/view_fixture.h"

#include "race/race_state.h"

#include <vector>

namespace kestrova::test {
namespace {

class StartingPictureTest : public RaceViewTest, public ::testing::WithParamInterface<int16_t> {};

TEST_P(StartingPictureTest, RailRowTrackAndEveryGatesStrip)
{
    std::vector<QImage> presented;
    view.SetPresentHandler([&](const QImage& image) { presented.push_back(image.copy()); });
    const PerGate<int16_t> coats = {7, 3, 0, 3, 5, 1, 6, 2};
    Prepare(GetParam(), coats);

    const QImage& image = view.Image();
    for (int k = 0; k < 12; ++k) {
        const int sx = k == 2 || k == 5 || k == 8 || k == 11 ? 32 : 0;
        EXPECT_TRUE(SamePixels(image, {32 * k, 0}, store.picSaku(dirt), {sx, 0, 32, 24})) << "tile " << k;
    }
    EXPECT_TRUE(AllPixels(image, {0, 24, 384, 326}, TrackColour()));
    for (int16_t gate = 0; gate < kGateCount; ++gate) {
        const int coat = coats[static_cast<std::size_t>(gate)];
        EXPECT_TRUE(SamePixels(view.Picture1(gate), {0, 0}, store.picUmaAll(dirt), {0, 32 * coat, 240, 32}))
            << "gate " << gate;
    }
    // Presented once, with the rail row in place and before the track is painted.
    ASSERT_EQ(presented.size(), 1U);
    EXPECT_TRUE(SamePixels(presented[0], {0, 0}, image, {0, 0, 384, 24}));
    EXPECT_NE(presented[0].pixel(0, 24), TrackColour());
}

INSTANTIATE_TEST_SUITE_P(BothSurfaces, StartingPictureTest, ::testing::Values(int16_t{0}, int16_t{1}));

}  // namespace
}  // namespace kestrova::test
