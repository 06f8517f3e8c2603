#pragma once

#include "tools/art/art_source.h"

#include <QImage>

namespace art {

// The race's pictures for one surface, all 24-bit and pixel-exact renderings of the sources.
QImage renderBaba(const ArtSource& source, int surface);     // 85 x 47, the track colour
QImage renderSaku(const ArtSource& source, int surface);     // 64 x 24, plain and post tile
QImage renderGoal(const ArtSource& source, int surface);     // 32 x 24, the finishing post
QImage renderUmaAll(const ArtSource& source, int surface);   // 240 x 256, row c for coat c

// The palette of the sprites of coat row c on a surface.
Palette spritePalette(const ArtSource& source, int coat, int surface);

}  // namespace art
