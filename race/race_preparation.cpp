#include "race/race_preparation.h"

#include "race/race_hooks.h"
#include "race/race_random.h"
#include "race/race_state.h"
#include "race/race_view.h"

namespace kestrova {
namespace {

struct Paces {
    int16_t early;
    int16_t late;
};

// A running style outside 0 to 3 (the sire's table can give up to 9, the data sheet
// anything) has no row of its own; such a runner runs evenly, as style 1 does, so that
// it still has positive paces and every race ends.
Paces PacesOfStyle(int32_t qua)
{
    switch (qua) {
    case 0: return {18, 15};
    case 2: return {14, 19};
    case 3: return {12, 21};
    default: return {16, 16};
    }
}

void DrawStartingPicture()
{
    PerGate<int16_t> coats{};
    for (int16_t gate = 0; gate < kGateCount; ++gate) coats[static_cast<std::size_t>(gate)] = CoatOf(gate);
    CurrentRaceView().DrawStartingPicture(game.raceConditions.dirt, coats);
}

void CopyAbilities()
{
    for (std::size_t i = 0; i < kGateCount; ++i) {
        const UmaEntry& entry = game.umaEntry[i];
        race.raceSpe[i] = entry.spe;
        race.raceSta[i] = entry.sta;
        race.raceSpi[i] = entry.spi;
        race.raceDart[i] = entry.dart;
        race.raceTeki[i] = entry.teki;
        race.raceQua[i] = entry.qua;
    }
}

void ClearMovingState()
{
    game.scrollTile = 1;
    game.scrollX = 0;
    race.umaX.fill(0);
    race.umaDist.fill(0);
    race.chakusa.fill(0);
    race.chakusaCount = 0;
    race.finishGate.fill(0);
    race.finishCount = 0;
    race.finishDist.fill(0);
    race.moveEvery.fill(5);
    game.viewShift = 0;
    race.spurtOn.fill(0);
}

void Adjust(std::size_t i, int32_t spe, int32_t sta, int32_t spi)
{
    race.raceSpe[i] += spe;
    race.raceSta[i] += sta;
    race.raceSpi[i] += spi;
}

void AdjustPaces(std::size_t i, int16_t early, int16_t late)
{
    race.paceEarly[i] = static_cast<int16_t>(race.paceEarly[i] + early);
    race.paceLate[i] = static_cast<int16_t>(race.paceLate[i] + late);
}

void ApplyShortfall(std::size_t i)
{
    const int32_t sta = race.raceSta[i];
    if (sta >= -9 && sta <= -3)
        AdjustPaces(i, 0, -2);
    else if (sta >= -100 && sta <= -10)
        AdjustPaces(i, 0, -5);
}

void ApplySurplus(std::size_t i)
{
    const int32_t sta = race.raceSta[i];
    if (race.raceTeki[i] != 0 || sta <= 250) return;
    if (sta <= 300) {
        AdjustPaces(i, -2, -2);
        race.raceSpe[i] -= 2;
    } else if (sta <= 400) {
        AdjustPaces(i, -5, -5);
        race.raceSpe[i] -= 3;
    } else {
        AdjustPaces(i, -6, -6);
        race.raceSpe[i] -= 4;
    }
}

int16_t SpurtBonusOf(int32_t spe)
{
    if (spe >= 19 && spe <= 22) return 3;
    if (spe >= 23 && spe <= 26) return 4;
    if (spe >= 27 && spe <= 100) return 5;
    return 2;
}

}  // namespace

void ApplySurface()
{
    const int16_t dirt = game.raceConditions.dirt;
    for (std::size_t i = 0; i < kGateCount; ++i) {
        const int16_t dart = race.raceDart[i];
        if (dirt == 1 && (dart == 0 || dart == 3)) Adjust(i, 2, 1, 4);
        if (dirt == 1 && dart == 2) Adjust(i, -3, -2, -5);
        if (dirt == 0 && dart == 3) Adjust(i, -2, 0, -3);
    }
}

void ApplyStyleAndDistance()
{
    for (std::size_t i = 0; i < kGateCount; ++i) {
        const Paces paces = PacesOfStyle(race.raceQua[i]);
        race.paceEarly[i] = paces.early;
        race.paceLate[i] = paces.late;
        race.raceSta[i] -= game.raceConditions.distance;
        ApplyShortfall(i);
        if (race.raceSta[i] < 0) race.raceSta[i] = 0;
        race.raceSta[i] *= 10;
        ApplySurplus(i);
        race.spurtBonus[i] = SpurtBonusOf(race.raceSpe[i]);
    }
}

void PrepareRace()
{
    DrawStartingPicture();
    CopyAbilities();
    ClearMovingState();
    ApplySurface();
    ApplyStyleAndDistance();
    RandomizeFromClock();
}

}  // namespace kestrova
