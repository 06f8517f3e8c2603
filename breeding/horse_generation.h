#pragma once
// A picture's 32 x 32 colours and a name become the horse of a gate. No random
// numbers: the same grid and stud book always give the same horse.

#include "breeding/canvas_statistics.h"
#include "breeding/colour_grid.h"
#include "breeding/horse_abilities.h"
#include "foundation/game_state.h"

#include <QString>

#include <cstdint>

namespace kestrova {

// The values worked out on the way from the grid to the horse.
struct HorseWorkings {
    CanvasStatistics canvas;
    AbilityDraws draws;
};

// Reads the sire and dam from the stud book, builds their pedigree into game.pedigree and
// fills `horse` completely. Touches no gate. Throws GenerationError (a failed drop).
HorseWorkings DeriveHorse(const ColourGrid& grid, const QString& name, UmaEntry& horse);

// Replaces the horse of `gate` (0..7) and leaves menuGate and the pedigree tables on it,
// then refreshes the data sheet. On GenerationError the gate, menuGate and the pedigree
// tables keep what they held: a failed drop changes no horse.
void GenerateHorse(int16_t gate, const ColourGrid& grid, const QString& name);

}  // namespace kestrova
