#pragma once
// The statistics of a 32 x 32 canvas that choose a horse's parents and keys.

#include "breeding/colour_grid.h"

#include <cstdint>

namespace kestrova {

struct CanvasStatistics {
    int32_t leftEdgeSum = 0;  // sum of colour(0, y) Mod 16
    int32_t topEdgeSum = 0;   // sum of colour(x, 0) Mod 16
    int32_t colorKinds = 0;   // digit-sum classes that occur, 1..16
    int32_t histWeight = 0;
    int32_t fPick = 0, mPick = 0;
    int32_t colorTotal = 0, absTotal = 0;
    int32_t fRec = 0, mRec = 0;  // record indexes of the sire and the dam
    int32_t hist5Sum = 0, hist7Sum = 0, hist11Sum = 0;
    int32_t sex = 0;
    int32_t coatKey = 0, dartKey = 0, quaKey = 0;
    int32_t teki = 0;
};

CanvasStatistics MeasureCanvas(const ColourGrid& grid);

// The sire and dam record indexes for the picks and the number of colour classes.
struct ParentRecords {
    int32_t fRec;
    int32_t mRec;
};
ParentRecords ParentRecordsFor(int32_t colorKinds, int32_t fPick, int32_t mPick);

}  // namespace kestrova
