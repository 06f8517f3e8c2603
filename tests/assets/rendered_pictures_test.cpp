// The committed pictures must be what the art sources render to; otherwise someone edited a
// source without rendering, or a picture by hand.

#include "assets/asset_pictures.h"
#include "tools/art/art_source.h"
#include "tools/art/race_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

class RenderedPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { source = new art::ArtSource(art::loadArtSource(KESTROVA_ART_SOURCE_DIR)); }
    static void TearDownTestSuite() { delete source; }
    static art::ArtSource* source;
};
art::ArtSource* RenderedPictures::source = nullptr;

QImage committed(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB888);
}

QImage plainTile(const art::ArtSource& source, int s)
{
    return art::renderSaku(source, s).copy(0, 0, art::kTileWidth, art::kTileHeight);
}

}  // namespace

TEST_F(RenderedPictures, SourcesReproduceTheCommittedPicturesExactly)
{
    for (int s = 0; s < art::kSurfaceCount; ++s) {
        EXPECT_EQ(art::renderBaba(*source, s), committed(picBabaPath(s))) << "surface " << s;
        EXPECT_EQ(art::renderSaku(*source, s), committed(picSakuPath(s))) << "surface " << s;
        EXPECT_EQ(art::renderGoal(*source, s), committed(picGoalPath(s))) << "surface " << s;
        EXPECT_EQ(art::renderUmaAll(*source, s), committed(picUmaAllPath(s))) << "surface " << s;
    }
}

// Any order of plain, post and goal tiles joins as plain tiles join, so the row has no seams.
TEST_F(RenderedPictures, TilesShareThePlainTilesEdges)
{
    for (int s = 0; s < art::kSurfaceCount; ++s) {
        const QImage plain = plainTile(*source, s);
        const QImage post = art::renderSaku(*source, s).copy(art::kTileWidth, 0, art::kTileWidth, art::kTileHeight);
        const QImage goal = art::renderGoal(*source, s);
        for (int x : {0, art::kTileWidth - 1}) {
            const QImage edge = plain.copy(x, 0, 1, art::kTileHeight);
            EXPECT_EQ(post.copy(x, 0, 1, art::kTileHeight), edge) << "post tile, column " << x;
            EXPECT_EQ(goal.copy(x, 0, 1, art::kTileHeight), edge) << "goal tile, column " << x;
        }
    }
}

// The race places the goal tile so that columns 13 to 20 are where the post must stand.
TEST_F(RenderedPictures, FinishingPostStandsInColumns13To20)
{
    for (int s = 0; s < art::kSurfaceCount; ++s) {
        const QImage plain = plainTile(*source, s);
        const QImage goal = art::renderGoal(*source, s);
        int changed = 0;
        for (int y = 0; y < art::kTileHeight; ++y) {
            for (int x = 0; x < art::kTileWidth; ++x) {
                if (goal.pixel(x, y) == plain.pixel(x, y))
                    continue;
                ++changed;
                EXPECT_TRUE(x >= 13 && x <= 20) << "goal drawn at (" << x << ", " << y << ")";
            }
        }
        EXPECT_GT(changed, 50) << "surface " << s;
    }
}
