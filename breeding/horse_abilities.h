#pragma once
// Sex, coat and the six abilities of a horse, from its canvas statistics, its
// parents' stud-book fields and its repeated ancestors.

#include "breeding/canvas_statistics.h"
#include "foundation/game_state.h"

#include <cstdint>

namespace kestrova {

// The middles, numerators and spreads of the three ability draws.
struct AbilityDraws {
    int32_t speNum = 0, staNum = 0;
    int32_t speMid = 0, spiMid = 0;
    int16_t speSpread = 0, staSpread = 0, spiSpread = 0;
    bool inbred = false;
};

// Writes sex, coat, qua, spe, sta, spi, teki and dart of `horse`. Reads the cross list of
// game.pedigree and may run CrossBonus. Throws GenerationError for a draw range of 0 or a
// value that does not fit 16 bits.
AbilityDraws DeriveAbilities(const CanvasStatistics& canvas, const StudBookBuffers& parents, UmaEntry& horse);

struct Abilities {
    int32_t spe, sta, spi;
    bool operator==(const Abilities&) const = default;
};

// A shortfall of speed is paid from stamina, one of stamina from fighting spirit.
Abilities Floored(Abilities drawn);

int32_t DartFor(int16_t dartType, int32_t dartKey);
int32_t QuaFor(int16_t quaType, int32_t quaKey);
int32_t CoatFor(int16_t sireCoat, int16_t damCoat, int32_t coatKey, int32_t colorKinds);

// round(sum / 2), a half going to the even neighbour.
int32_t HalfRoundedToEven(int32_t sum);

}  // namespace kestrova
