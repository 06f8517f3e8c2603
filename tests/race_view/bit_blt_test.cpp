#include "race/bit_blt.h"

#include <gtest/gtest.h>

namespace kestrova::test {
namespace {

// Every pixel of the picture a colour of its own.
QImage Numbered(int width, int height, int salt)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(x, y, salt));
    return picture;
}

// What the copy must give: every pixel that comes from inside the source and lands inside
// the target, taken from the source as it was before the copy.
QImage Expected(const QImage& target, QRect rect, const QImage& sourceBefore, QPoint from)
{
    QImage expected = target.copy();
    for (int j = 0; j < rect.height(); ++j) {
        for (int i = 0; i < rect.width(); ++i) {
            const QPoint to = rect.topLeft() + QPoint(i, j);
            const QPoint source = from + QPoint(i, j);
            if (target.rect().contains(to) && sourceBefore.rect().contains(source))
                expected.setPixel(to, sourceBefore.pixel(source));
        }
    }
    return expected;
}

struct Copy {
    const char* what;
    QRect rect;  // target position and size
    QPoint from;
};

const Copy kBetweenPictures[] = {
    {"inside both", {3, 2, 5, 4}, {1, 1}},
    {"target off the left and top", {-3, -2, 6, 5}, {0, 0}},
    {"target off the right and bottom", {9, 6, 8, 8}, {0, 0}},
    {"source off the left and top", {4, 4, 6, 5}, {-2, -3}},
    {"source off the right and bottom", {0, 0, 6, 6}, {7, 5}},
    {"wholly outside the target", {12, 0, 4, 4}, {0, 0}},
    {"wholly outside the source", {0, 0, 4, 4}, {-4, 0}},
    {"empty", {2, 2, 0, 3}, {0, 0}},
    {"larger than both", {-5, -5, 40, 40}, {-5, -5}},
};

const Copy kWithinOnePicture[] = {
    {"left, overlapping", {0, 0, 10, 3}, {2, 0}},
    {"right, overlapping", {3, 1, 9, 3}, {0, 1}},
    {"down, overlapping", {0, 2, 12, 6}, {0, 0}},
    {"up, overlapping", {1, 0, 10, 6}, {1, 3}},
    {"diagonal, clipped", {4, 3, 10, 10}, {2, 1}},
};

TEST(BitBltTest, CopiesExactlyWhatLiesInsideBothPictures)
{
    const QImage source = Numbered(10, 8, 1);
    for (const Copy& copy : kBetweenPictures) {
        SCOPED_TRACE(copy.what);
        QImage target = Numbered(12, 9, 2);
        const QImage expected = Expected(target, copy.rect, source, copy.from);
        BitBlt(target, copy.rect.x(), copy.rect.y(), copy.rect.width(), copy.rect.height(), source, copy.from.x(),
               copy.from.y());
        EXPECT_EQ(target, expected);
    }
}

TEST(BitBltTest, CopiesWithinOnePictureAsIfFromASnapshot)
{
    for (const Copy& copy : kWithinOnePicture) {
        SCOPED_TRACE(copy.what);
        QImage picture = Numbered(12, 9, 3);
        const QImage expected = Expected(picture, copy.rect, picture.copy(), copy.from);
        BitBlt(picture, copy.rect.x(), copy.rect.y(), copy.rect.width(), copy.rect.height(), picture, copy.from.x(),
               copy.from.y());
        EXPECT_EQ(picture, expected);
    }
}

TEST(BitBltTest, WritingASharedCopyLeavesTheOriginalAlone)
{
    const QImage original = Numbered(8, 8, 4);
    QImage copy = original;
    BitBlt(copy, 0, 0, 4, 4, original, 4, 4);
    EXPECT_EQ(original, Numbered(8, 8, 4));
    EXPECT_EQ(copy.pixel(0, 0), original.pixel(4, 4));
}

}  // namespace
}  // namespace kestrova::test
