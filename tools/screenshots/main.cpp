// kestrova-screenshots OUTDIR: plays a game with eight drawn pictures and saves the
// windows as a player sees them, for the README. Run it under Xvfb for the real fonts.

#include "breeding/pedigree.h"
#include "foundation/game_state.h"
#include "foundation/tick_counter.h"
#include "race/frm_race.h"
#include "race/race_hooks.h"
#include "race/race_random.h"
#include "race/race_state.h"
#include "windows/frm_hyo.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/gothic_fonts.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace kestrova;

// A little landscape of the seed's colours: sky, sun, hills and a field.
QImage Landscape(int seed)
{
    QImage picture(160, 120, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 80);
    sky.setColorAt(0, QColor::fromHsv((200 + seed * 37) % 360, 120, 240));
    sky.setColorAt(1, QColor::fromHsv((20 + seed * 53) % 360, 90, 255));
    painter.fillRect(picture.rect(), sky);
    painter.setBrush(QColor::fromHsv((40 + seed * 29) % 360, 200, 255));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(30 + seed * 17 % 100, 30), 14, 14);
    QPainterPath hills(QPointF(0, 120));
    for (int x = 0; x <= 160; x += 20) hills.lineTo(x, 70 + 12 * std::sin((x + seed * 31) / 23.0));
    hills.lineTo(160, 120);
    painter.setBrush(QColor::fromHsv((90 + seed * 41) % 360, 150, 150));
    painter.drawPath(hills);
    painter.setBrush(QColor::fromHsv((60 + seed * 23) % 360, 180, 200));
    painter.drawRect(0, 100, 160, 20);
    return picture;
}

bool Save(QWidget& window, const QString& path)
{
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qUtf8Printable(path));
    return saved;
}

const std::array<const char*, 8> kNames = {"夕焼け", "海辺の朝", "森の小道", "春の丘", "雪山", "花畑", "湖畔", "秋空"};

bool InbredOnBothSides() { return game.pedigree.crossCount > 0 && game.pedigree.crossKind[0] == 2; }

void DropLandscape(FrmMain& frmMain, const QTemporaryDir& folder, int gate, int seed)
{
    const QString path = QDir(folder.path()).filePath(QString::fromUtf8(kNames[gate]) + ".png");
    Landscape(seed).save(path);
    frmMain.DropFiles(gate, {path});
}

// Fills the gates; the first gate tries landscapes until its horse is inbred on both
// sides, for the pedigree picture.
void LoadGates(FrmMain& frmMain, const QTemporaryDir& folder)
{
    for (int seed = 1; seed < 200; ++seed) {
        DropLandscape(frmMain, folder, 0, seed);
        if (InbredOnBothSides()) break;
    }
    for (int gate = 1; gate < kGateCount; ++gate) DropLandscape(frmMain, folder, gate, 300 + gate);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrova-screenshots OUTDIR\n");
        return 2;
    }
    InstallGothicFonts();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir folder;
    FrmMain frmMain;
    frmMain.show();
    LoadGates(frmMain, folder);
    frmMain.Option1(1)->setChecked(true);
    QApplication::processEvents();
    bool ok = Save(frmMain, out.filePath("main-window.png"));

    game.menuGate = 0;
    FrmHyo pedigree(&frmMain);
    pedigree.show();
    QApplication::processEvents();
    ok = Save(pedigree, out.filePath("pedigree.png")) && ok;
    pedigree.close();

    // A fixed race on a fake clock; the race window is taken on the way.
    uint32_t now = 0;
    bool raceTaken = false;
    SetTickSource([&] { return now; });
    SetSeedSource([] { return uint64_t{7}; });
    SetEventPump([&](uint32_t msUntilDue) {
        QApplication::processEvents();
        now += msUntilDue > 0 ? msUntilDue : 1;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* raceWindow = dynamic_cast<FrmRace*>(widget); raceWindow && race.frameCount == 700 && !raceTaken) {
                raceTaken = true;
                ok = Save(*raceWindow, out.filePath("race-window.png")) && ok;
            }
    });
    frmMain.StartRace();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* result = dynamic_cast<FrmResult*>(widget); result && result->isVisible()) {
            QApplication::processEvents();
            ok = Save(*result, out.filePath("result-window.png")) && ok;
        }
    return ok ? 0 : 1;
}
