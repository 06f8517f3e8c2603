#pragma once
// The four-generation pedigree of the horse of menuGate, walked from the ancestor
// register, and the list of its repeated ancestors (inbreeding).

#include <cstdint>

namespace kestrova {

// Fills every slot from the sire and dam of gate menuGate and finds the repeated
// ancestors. Throws GenerationError when a parent field is not a number.
void BuildPedigree();

// The same from a sire and a dam record number, for a horse not yet on its gate.
void BuildPedigree(int32_t fNo, int32_t mNo);

// Fills slot `slot` from ancestor record number `no` and recurses to its parents
// down to the fourth generation.
void WalkPedigree(int32_t slot, int32_t no);

// The constant blood shares and sides of the thirty slots.
void InitPedigreeTables();

}  // namespace kestrova
