#include "breeding/generation_error.h"
#include "breeding/picture_canvas.h"

#include <QImage>

#include <gtest/gtest.h>

namespace kestrova {
namespace {

QImage Filled(QSize size, QImage::Format format, QColor colour)
{
    QImage picture(size, format);
    if (format == QImage::Format_Indexed8) {
        picture.setColorTable({colour.rgba()});
        picture.fill(0);
    } else {
        picture.fill(colour);
    }
    return picture;
}

bool AllCells(const ColourGrid& grid, uint32_t colour)
{
    return std::all_of(grid.colours.begin(), grid.colours.end(), [&](uint32_t c) { return c == colour; });
}

TEST(CanvasFromImage, OneColourStaysThatColourAtAnySizeAndFormat)
{
    const QColor colour(200, 100, 50);  // 0x00BBGGRR: blue 0x32, green 0x64, red 0xC8
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_Indexed8,
                                  QImage::Format_RGB888, QImage::Format_RGBA64, QImage::Format_ARGB32_Premultiplied})
        for (QSize size : {QSize(1, 1), QSize(7, 5), QSize(32, 32), QSize(64, 48), QSize(100, 33), QSize(1000, 3)})
            EXPECT_TRUE(AllCells(CanvasFromImage(Filled(size, format, colour)), 0x003264C8)) << format << " " << size.width() << "x" << size.height();
}

TEST(CanvasFromImage, HalvesStayApart)
{
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < 32; ++y)
        for (int x = 32; x < 64; ++x) picture.setPixel(x, y, qRgb(0, 0, 255));
    const ColourGrid grid = CanvasFromImage(picture);
    EXPECT_EQ(grid.At(0, 0), 0x000000FFu);
    EXPECT_EQ(grid.At(15, 31), 0x000000FFu);
    EXPECT_EQ(grid.At(16, 0), 0x00FF0000u);
    EXPECT_EQ(grid.At(31, 31), 0x00FF0000u);
}

// 48 columns onto 32: each cell takes one and a half picture columns.
TEST(CanvasFromImage, SplitPixelsAreAveragedByTheirOverlap)
{
    QImage picture(48, 2, QImage::Format_Grayscale8);
    for (int x = 0; x < 48; ++x)
        for (int y = 0; y < 2; ++y) picture.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const ColourGrid grid = CanvasFromImage(picture);
    EXPECT_EQ(grid.At(0, 0), 0x00555555u);   // 1 black column, half a white one
    EXPECT_EQ(grid.At(1, 17), 0x00555555u);  // half a white column, 1 black one
    EXPECT_EQ(grid.At(2, 31), 0x00AAAAAAu);  // 1 white column, half a black one
}

TEST(CanvasFromImage, TransparencyLiesOverWhite)
{
    struct Case {
        QRgb pixel;
        uint32_t cell;
    };
    for (const Case& c : {Case{qRgba(0, 0, 0, 0), 0x00FFFFFF}, Case{qRgba(0, 0, 0, 128), 0x007F7F7F},
                          Case{qRgba(255, 0, 0, 128), 0x007F7FFF}, Case{qRgba(10, 20, 30, 255), 0x001E140A}}) {
        QImage picture(3, 3, QImage::Format_ARGB32);
        picture.fill(c.pixel);
        EXPECT_EQ(CanvasFromImage(picture).At(5, 5), c.cell) << std::hex << c.pixel;
    }
}

TEST(CanvasFromImage, NullPictureIsRefused) { EXPECT_THROW(CanvasFromImage(QImage()), GenerationError); }

TEST(HorseNameFromFile, FileNameWithoutFolderAndExtensionCutToEighteenBytes)
{
    EXPECT_EQ(HorseNameFromFile(QStringLiteral("pictures/horse.bmp")), QStringLiteral("horse"));
    EXPECT_EQ(HorseNameFromFile(QStringLiteral("a.b.jpg")), QStringLiteral("a.b"));
    EXPECT_EQ(HorseNameFromFile(QStringLiteral("x.y/README")), QStringLiteral("README"));
    EXPECT_EQ(HorseNameFromFile(QStringLiteral("gates/一二三四五六七八九十十一十二.png")), QStringLiteral("一二三四五六七八九"));
}

TEST(JpegDecodeDivisor, DependsOnTheStoredSizeOnly)
{
    struct Case {
        QSize stored;
        int divisor;
    };
    for (const Case& c : {Case{{640, 480}, 1}, Case{{2048, 2048}, 1}, Case{{2049, 2048}, 2}, Case{{4000, 3000}, 2},
                          Case{{8000, 6000}, 4}, Case{{30000, 30000}, 8}, Case{{65535, 100}, 2}, Case{{65535, 63}, 1}})
        EXPECT_EQ(JpegDecodeDivisor(c.stored), c.divisor) << c.stored.width() << "x" << c.stored.height();
}

}  // namespace
}  // namespace kestrova
