#include "tests/race_view/view_fixture.h"

#include "race/race_hooks.h"
#include "race/race_preparation.h"
#include "race/race_random.h"
#include "race/race_state.h"

#include <QString>

namespace kestrova::test {
namespace {

QString Colour(QRgb rgb) { return QString::asprintf("#%06x", rgb & 0xffffffu); }

}  // namespace

::testing::AssertionResult SamePixels(const QImage& actual, QPoint at, const QImage& expected, QRect from)
{
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
            const QRgb want = expected.pixel(from.x() + x, from.y() + y);
            const QRgb got = actual.pixel(at.x() + x, at.y() + y);
            if (want == got) continue;
            return ::testing::AssertionFailure() << "pixel (" << at.x() + x << ", " << at.y() + y << ") is "
                                                 << Colour(got).toStdString() << ", expected "
                                                 << Colour(want).toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AllPixels(const QImage& image, QRect rect, QRgb colour)
{
    QImage plain(rect.size(), QImage::Format_RGB32);
    plain.fill(colour);
    return SamePixels(image, rect.topLeft(), plain, plain.rect());
}

void RaceViewTest::SetUp()
{
    ResetGameState();
    ResetRaceState();
    SetRaceView(&view);
}

void RaceViewTest::TearDown()
{
    SetRaceView(nullptr);
    SetCoatSource({});
    SetSeedSource({});
    ResetGameState();
    ResetRaceState();
}

void RaceViewTest::Prepare(int16_t surface, const PerGate<int16_t>& coats)
{
    dirt = surface;
    game.raceConditions = {20, surface};
    SetCoatSource([coats](int16_t gate) { return coats[static_cast<std::size_t>(gate)]; });
    SetSeedSource([] { return uint64_t{5}; });
    PrepareRace();
}

QRgb RaceViewTest::TrackColour() const { return store.picBaba(dirt).pixel(0, 0); }

}  // namespace kestrova::test
