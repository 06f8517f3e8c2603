#include "race/race_state.h"

namespace kestrova {

RaceState race;

void ResetRaceState() { race = RaceState{}; }

}  // namespace kestrova
