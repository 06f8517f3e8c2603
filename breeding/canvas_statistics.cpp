#include "breeding/canvas_statistics.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>

namespace kestrova {
namespace {

constexpr int kBuckets = 16;
constexpr int32_t kColourTotalModulus = 66000;

// A colour as the signed 32-bit value the platform's point read returns.
int32_t PixelColor(const ColourGrid& grid, int x, int y) { return static_cast<int32_t>(grid.At(x, y)); }

// The decimal digit sum; a minus sign counts nothing.
int32_t DigitSum(int32_t value)
{
    int64_t rest = std::llabs(static_cast<int64_t>(value));
    int32_t sum = 0;
    for (; rest > 0; rest /= 10) sum += static_cast<int32_t>(rest % 10);
    return sum;
}

using SortedHistogram = std::array<int32_t, kBuckets>;

// Which bucket a count came from is forgotten: only the descending counts matter.
SortedHistogram DigitHistogram(const ColourGrid& grid)
{
    SortedHistogram counts{};
    for (int x = 0; x < kCanvasSize; ++x)
        for (int y = 0; y < kCanvasSize; ++y) ++counts[static_cast<std::size_t>(DigitSum(PixelColor(grid, x, y)) % kBuckets)];
    std::sort(counts.begin(), counts.end(), std::greater<>());
    return counts;
}

int32_t SumOfResidues(const SortedHistogram& counts, int32_t modulus)
{
    int32_t sum = 0;
    for (int32_t count : counts) sum += count % modulus;
    return sum;
}

void MeasureEdges(const ColourGrid& grid, CanvasStatistics& s)
{
    for (int y = 0; y < kCanvasSize; ++y) s.leftEdgeSum += PixelColor(grid, 0, y) % 16;
    for (int x = 0; x < kCanvasSize; ++x) s.topEdgeSum += PixelColor(grid, x, 0) % 16;
}

void MeasureHistogram(const ColourGrid& grid, CanvasStatistics& s)
{
    const SortedHistogram counts = DigitHistogram(grid);
    s.colorKinds = static_cast<int32_t>(std::find(counts.begin(), counts.end(), 0) - counts.begin());
    for (int i = 0; i < kBuckets; ++i) s.histWeight += counts[static_cast<std::size_t>(i)] * (kBuckets - i);
    s.fPick = s.histWeight % 100 + 100;
    s.hist5Sum = SumOfResidues(counts, 5);
    s.hist7Sum = SumOfResidues(counts, 7);
    s.hist11Sum = SumOfResidues(counts, 11);
}

// Kept in range at every step, in the order the grid is read, as the sign of a Mod b is that of a.
void MeasureColourTotal(const ColourGrid& grid, CanvasStatistics& s)
{
    int64_t total = 0;
    for (int x = 0; x < kCanvasSize; ++x)
        for (int y = 0; y < kCanvasSize; ++y) total = (total + PixelColor(grid, x, y)) % kColourTotalModulus;
    s.colorTotal = static_cast<int32_t>(total);
    s.absTotal = std::abs(s.colorTotal);
    s.mPick = s.absTotal % 100 + 100;
}

void DeriveKeys(CanvasStatistics& s)
{
    s.sex = s.absTotal % 2;
    s.coatKey = s.absTotal % 20;
    if (s.coatKey == 7) s.coatKey = 0;
    s.dartKey = s.hist7Sum % 10;
    s.quaKey = s.hist11Sum % 10;
    s.teki = s.hist11Sum % 5 >= 4 ? 1 : 0;
}

}  // namespace

ParentRecords ParentRecordsFor(int32_t colorKinds, int32_t fPick, int32_t mPick)
{
    // Fewer colour classes reach only the later records; only 15 classes reach record 0.
    switch (colorKinds) {
    case 15: return {fPick % 33, mPick % 32};
    case 14: return {fPick % 32 + 1, mPick % 31 + 1};
    case 13: return {fPick % 31 + 2, mPick % 30 + 2};
    case 1:
    case 2: return {fPick % 26 + 7, mPick % 25 + 7};
    default: return {fPick % 30 + 3, mPick % 29 + 3};
    }
}

CanvasStatistics MeasureCanvas(const ColourGrid& grid)
{
    CanvasStatistics s;
    MeasureEdges(grid, s);
    MeasureHistogram(grid, s);
    MeasureColourTotal(grid, s);
    DeriveKeys(s);
    const ParentRecords records = ParentRecordsFor(s.colorKinds, s.fPick, s.mPick);
    s.fRec = records.fRec;
    s.mRec = records.mRec;
    return s;
}

}  // namespace kestrova
