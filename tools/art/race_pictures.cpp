#include "tools/art/race_pictures.h"

namespace art {
namespace {

QImage blankPicture(int width, int height)
{
    return QImage(width, height, QImage::Format_RGB888);
}

}  // namespace

QImage renderBaba(const ArtSource& source, int surface)
{
    QImage picture = blankPicture(85, 47);
    picture.fill(trackColour(source, surface));
    return picture;
}

QImage renderSaku(const ArtSource& source, int surface)
{
    QImage picture = blankPicture(2 * kTileWidth, kTileHeight);
    paintMap(source.railPlain, source.surfaces[surface], picture, {0, 0});
    paintMap(source.railPost, source.surfaces[surface], picture, {kTileWidth, 0});
    return picture;
}

QImage renderGoal(const ArtSource& source, int surface)
{
    QImage picture = blankPicture(kTileWidth, kTileHeight);
    paintMap(source.goal, source.surfaces[surface], picture, {0, 0});
    return picture;
}

Palette spritePalette(const ArtSource& source, int coat, int surface)
{
    const Palette track = {{kTrackLetter, trackColour(source, surface)}};
    return mergePalettes(mergePalettes(source.coats[coat], source.silks[coat]),
                         mergePalettes(source.rider, track));
}

QImage renderUmaAll(const ArtSource& source, int surface)
{
    QImage sheet = blankPicture(kCellCount * kCellWidth, kCoatCount * kCellHeight);
    for (int coat = 0; coat < kCoatCount; ++coat) {
        const Palette palette = spritePalette(source, coat, surface);
        for (int cell = 0; cell < kCellCount; ++cell)
            paintMap(source.cells[cell], palette, sheet, {cell * kCellWidth, coat * kCellHeight});
    }
    return sheet;
}

}  // namespace art
