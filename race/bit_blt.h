#pragma once
// The one pixel copy of the race drawing: an exact copy of a w x h rectangle, like the
// plain-copy raster operation of the classic blit.

#include <QImage>

namespace kestrova {

// Copies the rectangle at (sx, sy) of source to (x, y) of target. Pixels that would come
// from outside the source or land outside the target are dropped; the rest are copied
// unchanged. Source and target may be the same picture, with overlapping rectangles.
// Both pictures hold 32-bit pixels.
void BitBlt(QImage& target, int x, int y, int w, int h, const QImage& source, int sx, int sy);

}  // namespace kestrova
