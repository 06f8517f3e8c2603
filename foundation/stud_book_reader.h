#pragma once
// Reads one record of one stud-book file into the record buffers of the game state.

#include <cstdint>

namespace kestrova {

// fileNo: 0 stallions (UMA1.dat), 1 mares (UMA2.dat), 2 ancestors (UMA3.dat).
// recordIndex counts from 0. Any failure raises the fatal error and does not return.
void ReadStudBook(int16_t fileNo, int32_t recordIndex);

}  // namespace kestrova
