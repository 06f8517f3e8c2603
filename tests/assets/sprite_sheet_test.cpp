// A sprite is copied onto the track as an opaque box, so its background must be exactly the
// track colour and the horse must never be.

#include "assets/asset_pictures.h"
#include "tools/art/art_source.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

const QRgb kTrack[2] = {qRgb(0, 128, 0), qRgb(128, 128, 64)};

struct SheetCell {
    QImage picture;
    int coat;
    int cell;
};

std::vector<SheetCell> cellsOf(const QImage& sheet)
{
    std::vector<SheetCell> cells;
    for (int coat = 0; coat < art::kCoatCount; ++coat) {
        for (int cell = 0; cell < art::kCellCount; ++cell) {
            const QRect box(cell * art::kCellWidth, coat * art::kCellHeight, art::kCellWidth, art::kCellHeight);
            cells.push_back({sheet.copy(box), coat, cell});
        }
    }
    return cells;
}

bool onBorder(int x, int y)
{
    return x == 0 || y == 0 || x == art::kCellWidth - 1 || y == art::kCellHeight - 1;
}

}  // namespace

// The sheet is checked against the letters it was drawn from: a pixel is the track colour
// exactly where the cell's map has the track letter, and the border ring is all track, so no
// horse is cut off at a cell's edge.
TEST(SpriteSheet, BackgroundIsExactlyTheTrackAndTheHorseNever)
{
    const art::ArtSource source = art::loadArtSource(KESTROVA_ART_SOURCE_DIR);
    for (int s = 0; s <= 1; ++s) {
        for (const SheetCell& c : cellsOf(QImage(picUmaAllPath(s)))) {
            const art::PixelMap& map = source.cells[c.cell];
            int mismatches = 0;
            int borderHorse = 0;
            for (int y = 0; y < art::kCellHeight; ++y) {
                for (int x = 0; x < art::kCellWidth; ++x) {
                    const bool track = (c.picture.pixel(x, y) | 0xff000000u) == kTrack[s];
                    mismatches += track != (map.at(x, y) == art::kTrackLetter);
                    borderHorse += onBorder(x, y) && !track;
                }
            }
            EXPECT_EQ(mismatches, 0) << "surface " << s << ", coat " << c.coat << ", cell " << c.cell;
            EXPECT_EQ(borderHorse, 0) << "surface " << s << ", coat " << c.coat << ", cell " << c.cell;
        }
    }
}

TEST(SpriteSheet, EveryCellHoldsAHorseAndTheGallopCellsDiffer)
{
    const art::ArtSource source = art::loadArtSource(KESTROVA_ART_SOURCE_DIR);
    for (int cell = 0; cell < art::kCellCount; ++cell) {
        int horse = 0;
        for (const std::string& row : source.cells[cell].rows)
            horse += static_cast<int>(std::count_if(row.begin(), row.end(), [](char l) { return l != art::kTrackLetter; }));
        EXPECT_GT(horse, 300) << "cell " << cell;
        for (int other = 0; other < cell; ++other)
            EXPECT_NE(source.cells[cell].rows, source.cells[other].rows) << "cells " << other << " and " << cell;
    }
}
