// Sizes and colours the race drawing relies on, checked on the pictures the game carries.

#include "assets/asset_pictures.h"

#include <QFile>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QRgb kTrack[2] = {qRgb(0, 128, 0), qRgb(128, 128, 64)};

QImage load(const QString& path)
{
    const QImage picture(path);
    EXPECT_FALSE(picture.isNull()) << path.toStdString();
    return picture;
}

QSet<QRgb> coloursOf(const QImage& picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y) | 0xff000000u);
    }
    return colours;
}

// The colour type byte of a PNG's header: 2 truecolour without alpha, 3 palette.
int pngColourType(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(26);
    return header.size() == 26 ? static_cast<unsigned char>(header[25]) : -1;
}

}  // namespace

TEST(CommittedPictures, RacePicturesHaveTheirSizesAndAre24Bit)
{
    struct Case {
        QString (*path)(int);
        QSize size;
    };
    const Case cases[] = {
        {picBabaPath, {85, 47}}, {picSakuPath, {64, 24}}, {picGoalPath, {32, 24}}, {picUmaAllPath, {240, 256}}};
    for (const Case& c : cases) {
        for (int s = 0; s <= 1; ++s) {
            const QImage picture = load(c.path(s));
            EXPECT_EQ(picture.size(), c.size) << c.path(s).toStdString();
            EXPECT_EQ(pngColourType(c.path(s)), 2) << c.path(s).toStdString();
        }
    }
}

TEST(CommittedPictures, SurfaceIsExactlyTheTrackColour)
{
    for (int s = 0; s <= 1; ++s)
        EXPECT_EQ(coloursOf(load(picBabaPath(s))), QSet<QRgb>{kTrack[s]}) << "surface " << s;
}

// The rail row meets the plain track below it, so the tiles' bottom row is the track colour.
TEST(CommittedPictures, RailAndGoalRowsEndInTheTrackColour)
{
    for (int s = 0; s <= 1; ++s) {
        for (const QString& path : {picSakuPath(s), picGoalPath(s)}) {
            const QImage picture = load(path);
            const QImage bottom = picture.copy(0, picture.height() - 1, picture.width(), 1);
            EXPECT_EQ(coloursOf(bottom), QSet<QRgb>{kTrack[s]}) << path.toStdString();
        }
    }
}

TEST(CommittedPictures, PlaceholderIsGreyTextOnWhiteInSixteenColours)
{
    const QImage picture = load(gatePlaceholderPath());
    EXPECT_EQ(picture.size(), QSize(127, 125));
    EXPECT_EQ(pngColourType(gatePlaceholderPath()), 3);
    EXPECT_LE(coloursOf(picture).size(), 16);
    int white = 0;
    int text = 0;
    int other = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            if (qRed(colour) != qGreen(colour) || qGreen(colour) != qBlue(colour))
                ++other;
            else if (qRed(colour) == 255)
                ++white;
            else if (qRed(colour) < 128)
                ++text;
        }
    }
    EXPECT_EQ(other, 0) << "colours that are not grey";
    EXPECT_GT(white, picture.width() * picture.height() / 2) << "the background is not white";
    EXPECT_GT(text, 200) << "too little dark grey text";
}
