#pragma once
// The inbreeding bonus: certain foundation sires, when they are the first repeated
// ancestor and stand on both sides of the pedigree, widen the ability draws.

#include <cstdint>

namespace kestrova {

// Sets crossSpe, crossSta and crossSpi from crossNo(0) and crossBlood(0).
void CrossBonus();

bool IsCrossBonusKey(int32_t recordNo);

}  // namespace kestrova
