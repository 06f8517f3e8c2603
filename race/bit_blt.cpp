#include "race/bit_blt.h"

#include <algorithm>
#include <cstring>

namespace kestrova {
namespace {

struct Span {
    int target;
    int source;
    int length;
};

// Cuts one axis of the copy to what lies inside both pictures.
Span Clip(int target, int source, int length, int targetSize, int sourceSize)
{
    const int before = std::max({0, -target, -source});
    target += before;
    source += before;
    length -= before;
    length = std::min({length, targetSize - target, sourceSize - source});
    return {target, source, std::max(length, 0)};
}

}  // namespace

void BitBlt(QImage& target, int x, int y, int w, int h, const QImage& source, int sx, int sy)
{
    Q_ASSERT(target.depth() == 32 && source.depth() == 32);
    const Span columns = Clip(x, sx, w, target.width(), source.width());
    const Span rows = Clip(y, sy, h, target.height(), source.height());
    if (columns.length == 0 || rows.length == 0) return;
    uchar* const targetBits = target.bits();  // detaches first, so a shared copy is not written
    const uchar* const sourceBits = source.constBits();
    // Within one picture a copy downwards must take the lowest row first.
    const bool bottomUp = targetBits == sourceBits && rows.target > rows.source;
    const auto bytes = static_cast<std::size_t>(columns.length) * 4;
    for (int i = 0; i < rows.length; ++i) {
        const int row = bottomUp ? rows.length - 1 - i : i;
        uchar* to = target.scanLine(rows.target + row) + columns.target * 4;
        const uchar* from = source.constScanLine(rows.source + row) + columns.source * 4;
        std::memmove(to, from, bytes);
    }
}

}  // namespace kestrova
