// A thousand races in one process, with real windows and a drop before each: the memory
// the process holds stops growing after the first races, and no window is left behind.

#include "foundation/game_state.h"
#include "race/race_state.h"
#include "tests/windows/game_fixture.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>

namespace kestrova {
namespace {

constexpr int kRaces = 1000;
constexpr int kSettledAfter = 10;
constexpr long kAllowedGrowthKb = 8 * 1024;

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

FrmResult* OpenResult()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* result = qobject_cast<FrmResult*>(widget); result && result->isVisible()) return result;
    return nullptr;
}

// Windows closed during the last race are deleted once their deferred deletions run.
int TopLevelWindows()
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(QApplication::topLevelWidgets().size());
}

class Soak : public GameFixture {};

TEST_F(Soak, AThousandRacesWithDropsBetweenThem)
{
    FrmMain frmMain;
    frmMain.show();
    LoadAllGates(frmMain);
    // A handful of pictures, reused so the test's own files do not grow with the races.
    QStringList pictures;
    for (int i = 0; i < 8; ++i) pictures.append(WritePicture(QStringLiteral("替え馬%1.png").arg(i), 20 + i));

    long settledKb = 0;
    int settledWindows = 0;
    QElapsedTimer clock;
    clock.start();
    for (int n = 1; n <= kRaces; ++n) {
        frmMain.DropFiles(n % kGateCount, {pictures[n % pictures.size()]});
        frmMain.Option1(n % 4)->setChecked(true);
        frmMain.Command1()->click();
        FrmResult* result = OpenResult();
        ASSERT_NE(result, nullptr) << "race " << n;
        result->Command1()->click();
        ASSERT_TRUE(frmMain.isVisible()) << "race " << n;
        if (n == kSettledAfter) {
            settledKb = ResidentKb();
            settledWindows = TopLevelWindows();
        }
    }
    const long endKb = ResidentKb();
    std::printf("%d races in %lld ms; resident %ld kB after race %d, %ld kB after race %d\n", kRaces,
                static_cast<long long>(clock.elapsed()), settledKb, kSettledAfter, endKb, kRaces);
    EXPECT_LT(endKb - settledKb, kAllowedGrowthKb);
    EXPECT_EQ(TopLevelWindows(), settledWindows);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(programEnds.empty());
}

}  // namespace
}  // namespace kestrova
