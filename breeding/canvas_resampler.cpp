// Pictures are composited and averaged in integers so the same file gives the same
// horse on every machine and with every Qt version.

#include "breeding/generation_error.h"
#include "breeding/picture_canvas.h"

#include <QRgba64>

#include <algorithm>
#include <array>
#include <vector>

namespace kestrova {
namespace {

constexpr uint64_t kFull = 65535;  // one channel at full strength, 16 bits

struct CellWeight {
    int cell;
    uint64_t weight;
};

// Along one axis a picture pixel is kCanvasSize units long and a canvas cell `extent`
// units, so both cover the same kCanvasSize * extent units; the weight is the overlap.
struct AxisCells {
    std::vector<CellWeight> weights;
    std::vector<std::size_t> start;  // pixel p's cells are weights[start[p]] .. weights[start[p + 1] - 1]

    explicit AxisCells(int extent) : start(static_cast<std::size_t>(extent) + 1)
    {
        for (int p = 0; p < extent; ++p) {
            start[static_cast<std::size_t>(p)] = weights.size();
            const int64_t lo = int64_t{p} * kCanvasSize, hi = lo + kCanvasSize;
            for (int64_t cell = lo / extent; cell * extent < hi; ++cell) {
                const int64_t overlap = std::min(hi, (cell + 1) * extent) - std::max(lo, cell * extent);
                weights.push_back({static_cast<int>(cell), static_cast<uint64_t>(overlap)});
            }
        }
        start.back() = weights.size();
    }

    template <typename Visit>
    void ForEach(int p, Visit visit) const
    {
        for (std::size_t i = start[static_cast<std::size_t>(p)]; i < start[static_cast<std::size_t>(p) + 1]; ++i)
            visit(weights[i].cell, weights[i].weight);
    }
};

using Channels = std::array<uint64_t, 3>;  // red, green, blue
using CanvasRow = std::array<Channels, kCanvasSize>;

uint64_t OverWhite(uint64_t channel, uint64_t alpha)
{
    return alpha == kFull ? channel : (channel * alpha + kFull * (kFull - alpha) + kFull / 2) / kFull;
}

// One picture row at 16 bits a channel: every 8- and 16-bit format widens to it exactly.
QImage RowAt(const QImage& picture, int y)
{
    return picture.copy(0, y, picture.width(), 1).convertToFormat(QImage::Format_RGBA64);
}

CanvasRow RowSums(const QImage& row, const AxisCells& columns)
{
    CanvasRow sums{};
    const auto* pixels = reinterpret_cast<const QRgba64*>(row.constScanLine(0));
    for (int x = 0; x < row.width(); ++x) {
        const QRgba64 p = pixels[x];
        const Channels over = {OverWhite(p.red(), p.alpha()), OverWhite(p.green(), p.alpha()), OverWhite(p.blue(), p.alpha())};
        columns.ForEach(x, [&](int cell, uint64_t weight) {
            for (std::size_t c = 0; c < 3; ++c) sums[static_cast<std::size_t>(cell)][c] += weight * over[c];
        });
    }
    return sums;
}

uint32_t ToColour(const Channels& sum, uint64_t totalWeight)
{
    const uint64_t denominator = totalWeight * kFull;
    uint32_t colour = 0;
    for (std::size_t c = 0; c < 3; ++c)
        colour |= static_cast<uint32_t>((sum[c] * 255 + denominator / 2) / denominator) << (8 * c);
    return colour;
}

}  // namespace

ColourGrid CanvasFromImage(const QImage& picture)
{
    if (picture.isNull()) throw GenerationError("no picture");
    const AxisCells columns(picture.width()), rows(picture.height());
    std::array<CanvasRow, kCanvasSize> sums{};
    for (int y = 0; y < picture.height(); ++y) {
        const CanvasRow rowSums = RowSums(RowAt(picture, y), columns);
        rows.ForEach(y, [&](int cellY, uint64_t weight) {
            for (int cellX = 0; cellX < kCanvasSize; ++cellX)
                for (std::size_t c = 0; c < 3; ++c)
                    sums[static_cast<std::size_t>(cellY)][static_cast<std::size_t>(cellX)][c] += weight * rowSums[static_cast<std::size_t>(cellX)][c];
        });
    }
    ColourGrid grid;
    const uint64_t totalWeight = static_cast<uint64_t>(picture.width()) * static_cast<uint64_t>(picture.height());
    for (int y = 0; y < kCanvasSize; ++y)
        for (int x = 0; x < kCanvasSize; ++x)
            grid.Set(x, y, ToColour(sums[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], totalWeight));
    return grid;
}

}  // namespace kestrova
