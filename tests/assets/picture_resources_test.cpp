// The library alone must make the pictures reachable: a program that links it and asks for a
// path gets a picture, without registering anything itself.

#include "assets/asset_pictures.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(PictureResources, EveryPathOpensThroughTheResourceSystem)
{
    QStringList paths = {gatePlaceholderPath()};
    for (int s = 0; s <= 1; ++s)
        paths << picBabaPath(s) << picSakuPath(s) << picGoalPath(s) << picUmaAllPath(s);
    for (const QString& path : paths) {
        EXPECT_TRUE(path.startsWith(":/pictures/")) << path.toStdString();
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    }
}

TEST(PictureResources, SurfaceSelectsTurfOrDirt)
{
    EXPECT_EQ(picSakuPath(0), ":/pictures/saku_turf.png");
    EXPECT_EQ(picSakuPath(1), ":/pictures/saku_dirt.png");
    EXPECT_NE(picUmaAllPath(0), picUmaAllPath(1));
}
