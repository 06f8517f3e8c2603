// Small committed pictures of several formats, with the horses they make from the game's own
// stud book. A change here changes the horse a player gets from the same file.

#include "breeding/horse_generation.h"
#include "breeding/picture_canvas.h"
#include "foundation/data_folder.h"
#include "foundation/game_state.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace kestrova {
namespace {

QString Picture(const char* name) { return QDir(QStringLiteral(KESTROVA_TEST_PICTURES_DIR)).filePath(QString::fromUtf8(name)); }

QByteArray Digest(const ColourGrid& grid)
{
    QByteArray bytes;
    for (uint32_t colour : grid.colours) bytes.append(reinterpret_cast<const char*>(&colour), sizeof colour);
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

struct Golden {
    const char* file;
    const char* canvasMd5;
    const char* name;
    int32_t fNo, mNo;
    int16_t sex, coat, qua, spe, sta, spi, teki, dart;
};

void PrintTo(const Golden& g, std::ostream* os) { *os << g.file; }

class GoldenPicture : public ::testing::TestWithParam<Golden> {
protected:
    void SetUp() override
    {
        ResetGameState();
        SetDataFolder(QStringLiteral(KESTROVA_SOURCE_DATA_DIR));
    }
    void TearDown() override
    {
        SetDataFolder({});
        ResetGameState();
    }
};

TEST_P(GoldenPicture, MakesItsHorse)
{
    const Golden& g = GetParam();
    const QString path = Picture(g.file);
    const ColourGrid canvas = CanvasFromFile(path);
    EXPECT_EQ(Digest(canvas).toStdString(), g.canvasMd5);
    GenerateHorse(0, canvas, HorseNameFromFile(path));
    const UmaEntry& h = game.umaEntry[0];
    EXPECT_EQ(h.name, QString::fromUtf8(g.name));
    EXPECT_EQ(h.fNo, g.fNo);
    EXPECT_EQ(h.mNo, g.mNo);
    EXPECT_EQ((std::array<int16_t, 8>{h.sex, h.coat, h.qua, h.spe, h.sta, h.spi, h.teki, h.dart}),
              (std::array<int16_t, 8>{g.sex, g.coat, g.qua, g.spe, g.sta, g.spi, g.teki, g.dart}));

    GenerateHorse(0, CanvasFromFile(path), HorseNameFromFile(path));
    EXPECT_EQ(game.umaEntry[0], h) << "the same picture twice";
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, GoldenPicture,
    ::testing::Values(
        Golden{"spots.png", "b773e7eb91c3ac5a51593d2a515cba6c", "spots", 459, 506, 0, 0, 2, 16, 28, 14, 0, 1},
        Golden{"夕暮れの丘.jpg", "1e9e97cc0dbbcf72480c9986f12f95a5", "夕暮れの丘", 502, 450, 1, 0, 3, 17, 24, 19, 1, 2},
        Golden{"tiles.bmp", "7537d60eadd9c034d8e0b2e234031712", "tiles", 449, 475, 0, 3, 2, 18, 31, 13, 0, 0},
        Golden{"stripes.gif", "ea451dcc09809dd8f3385f0e8bf26bdd", "stripes", 459, 477, 0, 3, 3, 19, 32, 16, 0, 0}),
    [](const auto& info) { return QFileInfo(QString::fromUtf8(info.param.file)).suffix().toStdString(); });

}  // namespace
}  // namespace kestrova
