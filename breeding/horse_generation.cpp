#include "breeding/horse_generation.h"

#include "breeding/debug_sheet_hook.h"
#include "breeding/generation_error.h"
#include "breeding/pedigree.h"
#include "foundation/stud_book_format.h"
#include "foundation/stud_book_reader.h"

namespace kestrova {

HorseWorkings DeriveHorse(const ColourGrid& grid, const QString& name, UmaEntry& horse)
{
    HorseWorkings workings;
    workings.canvas = MeasureCanvas(grid);
    ReadStudBook(kStallionFile, workings.canvas.fRec);
    ReadStudBook(kMareFile, workings.canvas.mRec);
    // Copied at once: the pedigree walk reuses the record buffers.
    const StudBookBuffers parents = game.studBook;

    horse = UmaEntry{};
    horse.name = name;
    horse.fNo = parents.uma1No;
    horse.fName = parents.uma1Name;
    horse.mNo = parents.uma2No;
    horse.mName = parents.uma2Name;
    BuildPedigree(horse.fNo, horse.mNo);
    workings.draws = DeriveAbilities(workings.canvas, parents, horse);
    return workings;
}

void GenerateHorse(int16_t gate, const ColourGrid& grid, const QString& name)
{
    if (gate < 0 || gate >= kGateCount) throw GenerationError("no such gate");
    const int16_t previousMenuGate = game.menuGate;
    const PedigreeTables previousPedigree = game.pedigree;
    UmaEntry horse;
    try {
        game.menuGate = gate;
        DeriveHorse(grid, name, horse);
    } catch (...) {
        game.menuGate = previousMenuGate;
        game.pedigree = previousPedigree;
        throw;
    }
    game.umaEntry[static_cast<std::size_t>(gate)] = horse;
    RefreshDebugWindow();
}

}  // namespace kestrova
