#include "tests/windows/game_fixture.h"

#include "foundation/data_folder.h"
#include "foundation/game_state.h"
#include "foundation/program_end.h"
#include "foundation/tick_counter.h"
#include "race/race_hooks.h"
#include "race/race_random.h"
#include "race/race_state.h"
#include "windows/frm_main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>

namespace kestrova {

void GameFixture::SetUp()
{
    ResetGameState();
    ResetRaceState();
    SetDataFolder(QStringLiteral(KESTROVA_SOURCE_DATA_DIR));
    SetProgramEndHook([this](int status) { programEnds.push_back(status); });
    SetTickSource([this] { return now; });
    SetEventPump([this](uint32_t msUntilDue) {
        QApplication::processEvents();
        now += msUntilDue > 0 ? msUntilDue : 1;
    });
    SetSeedSource([] { return uint64_t{20261211}; });
    // Message boxes are modal; answer each one as soon as it is shown.
    messageAnswerer_.setInterval(5);
    QObject::connect(&messageAnswerer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        messages.push_back({box->windowTitle(), box->text(), box->icon()});
        box->accept();
    });
    messageAnswerer_.start();
}

void GameFixture::TearDown()
{
    messageAnswerer_.stop();
    SetEventPump({});
    SetTickSource({});
    SetSeedSource({});
    SetProgramEndHook({});
    SetDataFolder({});
    ResetRaceState();
    ResetGameState();
}

QString GameFixture::WriteFile(const QString& fileName, const QByteArray& bytes)
{
    const QString path = QDir(folder.path()).filePath(fileName);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QString GameFixture::WritePicture(const QString& fileName, int seed)
{
    QImage picture(48, 40, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QColor::fromHsv((seed * 47) % 360, 160, 200));
    painter.fillRect(QRect(5 + seed % 20, 4, 20, 25), QColor::fromHsv((seed * 91) % 360, 220, 120));
    painter.fillRect(QRect(0, 30, 48, 10), QColor(seed * 13 % 256, 90, 30));
    painter.end();
    const QString path = QDir(folder.path()).filePath(fileName);
    EXPECT_TRUE(picture.save(path));
    return path;
}

void GameFixture::LoadAllGates(FrmMain& frmMain)
{
    for (int gate = 0; gate < kGateCount; ++gate)
        frmMain.DropFiles(gate, {WritePicture(QStringLiteral("ウマ%1号.png").arg(gate + 1), gate + 1)});
}

}  // namespace kestrova
