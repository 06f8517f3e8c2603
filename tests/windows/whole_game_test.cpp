#include "breeding/pedigree.h"
#include "foundation/game_state.h"
#include "race/frm_race.h"
#include "race/margin_words.h"
#include "race/race_state.h"
#include "tests/windows/game_fixture.h"
#include "windows/frm_hyo.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace kestrova {
namespace {

class WholeGame : public GameFixture {};

template <typename Window>
Window* OpenWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<Window*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

void ExpectResultShowsTheRace(const FrmMain& frmMain, const FrmResult& result)
{
    EXPECT_EQ(result.Label3()->text(), u"ダート2000m"_qs);
    std::array<int16_t, 8> gates = game.orderGate;
    std::sort(gates.begin(), gates.end());
    EXPECT_EQ(gates, (std::array<int16_t, 8>{0, 1, 2, 3, 4, 5, 6, 7}));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(result.Label8(k)->text(), frmMain.LblUmaName(game.orderGate[k])->text());
    for (int k = 0; k < 7; ++k) EXPECT_EQ(result.Label6(k)->text(), ChakusaText(race.chakusa[k]));
}

TEST_F(WholeGame, DropsARaceTheResultBackAndASecondRace)
{
    FrmMain frmMain;
    frmMain.show();
    LoadAllGates(frmMain);
    frmMain.Option1(3)->setChecked(true);
    const std::array<UmaEntry, 8> horses = game.umaEntry;

    frmMain.Command1()->click();
    EXPECT_EQ(game.raceConditions.distance, 20);
    EXPECT_EQ(game.raceConditions.dirt, 1);
    EXPECT_FALSE(frmMain.isVisible());
    EXPECT_EQ(OpenWindow<FrmRace>(), nullptr) << "the race window closes when the race ends";
    FrmResult* result = OpenWindow<FrmResult>();
    ASSERT_NE(result, nullptr);
    ExpectResultShowsTheRace(frmMain, *result);
    const int firstRaceSteps = race.frameCount;
    EXPECT_GT(firstRaceSteps, 100);

    result->move(120, 90);
    result->Command1()->click();
    QApplication::processEvents();
    EXPECT_TRUE(frmMain.isVisible());
    EXPECT_EQ(frmMain.pos(), QPoint(120, 90));
    EXPECT_EQ(OpenWindow<FrmResult>(), nullptr);
    EXPECT_TRUE(frmMain.Option1(3)->isChecked());
    EXPECT_EQ(game.umaEntry, horses);
    EXPECT_TRUE(programEnds.empty());

    frmMain.Command1()->click();  // the same horses race again at once
    result = OpenWindow<FrmResult>();
    ASSERT_NE(result, nullptr);
    ExpectResultShowsTheRace(frmMain, *result);
    result->close();  // by its close box
    EXPECT_EQ(programEnds, std::vector<int>{0});
}

TEST_F(WholeGame, PedigreeColoursRepeatedAncestors)
{
    FrmMain frmMain;
    LoadAllGates(frmMain);
    // Find a pairing of the stud book with repeats on one side and on both.
    game.menuGate = 0;
    bool found = false;
    for (int32_t sire = 1; sire <= 518 && !found; ++sire) {
        game.umaEntry[0].fNo = sire;
        for (int32_t dam : {game.umaEntry[1].mNo, game.umaEntry[2].mNo, game.umaEntry[3].mNo}) {
            game.umaEntry[0].mNo = dam;
            BuildPedigree();
            if (game.pedigree.crossCount > 0 && game.pedigree.crossKind[0] == 2) {
                found = true;
                break;
            }
        }
    }
    ASSERT_TRUE(found);
    FrmHyo pedigree(&frmMain);
    const QColor plain = pedigree.Label1(0)->palette().color(QPalette::WindowText);
    for (int slot = 1; slot <= 30; ++slot) {
        const QColor colour = pedigree.Label1(slot)->palette().color(QPalette::WindowText);
        const int16_t cross = game.pedigree.hyoCross[slot];
        EXPECT_EQ(colour, cross == 0 ? plain : cross == 1 ? QColor(0, 0, 255) : QColor(255, 0, 0)) << slot;
        EXPECT_EQ(pedigree.Label1(slot)->text(), game.pedigree.hyoName[slot]);
    }
    EXPECT_EQ(pedigree.Label1(0)->text(), game.umaEntry[0].name);
    pedigree.close();
    EXPECT_TRUE(programEnds.empty()) << "closing the pedigree window leaves the program running";
}

TEST(ColourLiterals, SystemAndRgbColours)
{
    QPalette palette;
    EXPECT_EQ(ColourFromLiteral("&H00FF0000", palette), QColor(0, 0, 255));
    EXPECT_EQ(ColourFromLiteral("&H000000FF", palette), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromLiteral("&H80000012", palette), palette.color(QPalette::ButtonText));
}

}  // namespace
}  // namespace kestrova
