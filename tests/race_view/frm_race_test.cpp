#include "race/frm_race.h"

#include "foundation/game_state.h"
#include "foundation/program_end.h"
#include "foundation/window_protocol.h"
#include "race/race_state.h"
#include "race/window_event_pump.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace kestrova::test {
namespace {

class FrmRaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        MarkWindowLoaded();
        SetProgramEndHook([this](int status) { programEnds.push_back(status); });
    }
    void TearDown() override
    {
        SetProgramEndHook({});
        ResetGameState();
    }

    std::vector<int> programEnds;
};

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

TEST_F(FrmRaceTest, FixedGreenWindowWithTheViewInASunkenBorder)
{
    FrmRace frmRace;
    EXPECT_EQ(frmRace.size(), QSize(405, 369));
    EXPECT_EQ(frmRace.minimumSize(), frmRace.maximumSize());
    EXPECT_FALSE(frmRace.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frmRace.windowTitle().isEmpty());
    EXPECT_TRUE(frmRace.autoFillBackground());
    EXPECT_EQ(frmRace.palette().color(QPalette::Window), QColor(0, 192, 0));
    EXPECT_EQ(frmRace.Picture2()->geometry(), QRect(8, 8, 388, 354));
    EXPECT_EQ(frmRace.Picture2()->contentsRect(), QRect(2, 2, 384, 350));
    EXPECT_EQ(frmRace.Picture2()->frameShadow(), QFrame::Sunken);
}

TEST_F(FrmRaceTest, ReadoutsTakeTheNumbersAndStayHidden)
{
    FrmRace frmRace;
    frmRace.show();
    CurrentRaceView().ShowReadouts({-12, 345, 16, 17, 14, 2741, 2699});
    const char* texts[] = {"-12", "16", "345", "17", "14", "2741", "2699"};
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(frmRace.Label(n)->text(), QString::fromLatin1(texts[n - 1])) << "Label" << n;
        EXPECT_FALSE(frmRace.Label(n)->isVisible()) << "Label" << n;
    }
}

// The start button makes the next race window before the last one is destroyed.
TEST_F(FrmRaceTest, ViewIsInstalledWhileItsWindowLives)
{
    auto first = std::make_unique<FrmRace>();
    EXPECT_EQ(&CurrentRaceView(), &first->View());
    auto second = std::make_unique<FrmRace>();
    first.reset();
    EXPECT_EQ(&CurrentRaceView(), &second->View());
    second.reset();
    EXPECT_NE(dynamic_cast<NullRaceView*>(&CurrentRaceView()), nullptr);
}

TEST_F(FrmRaceTest, ClosingByThePlayerEndsTheProgramClosingByTheProgramDoesNot)
{
    FrmRace frmRace;
    frmRace.show();
    CloseByProgram([&] { frmRace.close(); });
    EXPECT_TRUE(programEnds.empty());
    EXPECT_FALSE(frmRace.isVisible());

    frmRace.show();
    frmRace.close();
    EXPECT_EQ(programEnds, std::vector<int>{0});
}

// Every view pixel becomes a whole block of the same colour on a screen of twice the density.
TEST_F(FrmRaceTest, ViewStaysCrispAtTwiceTheDevicePixelRatio)
{
    FrmRace frmRace;
    SetRaceView(nullptr);
    RacePictureView& view = const_cast<RacePictureView&>(frmRace.View());
    view.DrawStartingPicture(0, {0, 1, 2, 3, 4, 5, 6, 7});
    for (int16_t gate = 0; gate < kGateCount; ++gate) view.DrawRunner(gate, 40 * gate - 30, gate % 5);
    const QImage& image = view.Image();
    for (const int ratio : {1, 2}) {
        SCOPED_TRACE(::testing::Message() << "ratio " << ratio);
        QImage shot(frmRace.Picture2()->size() * ratio, QImage::Format_RGB32);
        shot.setDevicePixelRatio(ratio);
        frmRace.Picture2()->render(&shot);
        int wrong = 0;
        for (int y = 0; y < image.height() * ratio; ++y)
            for (int x = 0; x < image.width() * ratio; ++x)
                wrong += shot.pixel(2 * ratio + x, 2 * ratio + y) != image.pixel(x / ratio, y / ratio);
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(FrmRaceTest, PresentRepaintsTheViewAtTheNextEvents)
{
    FrmRace frmRace;
    frmRace.show();
    ProcessWindowEvents(0);
    PaintCounter counter;
    frmRace.Picture2()->installEventFilter(&counter);
    CurrentRaceView().Present();
    ProcessWindowEvents(0);
    EXPECT_GE(counter.paints, 1);
}

TEST(WindowEventPumpTest, RunsPendingEventsAndReturnsWhenNothingComes)
{
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    ProcessWindowEvents(0);
    EXPECT_TRUE(ran);
    // Nothing is pending: the pump's own wake-up brings it back.
    ProcessWindowEvents(3);
}

}  // namespace
}  // namespace kestrova::test
