#include "race/finish_record.h"

#include "race/race_hooks.h"
#include "race/race_state.h"

#include <algorithm>
#include <vector>

namespace kestrova {
namespace {

bool Finished(int16_t gate)
{
    const auto end = race.finishGate.begin() + race.finishCount;
    return std::find(race.finishGate.begin(), end, gate) != end;
}

// Farther first, the lower gate first when level: the order of the ranking.
std::vector<int16_t> UnfinishedWhere(bool (*crossing)(int16_t gate))
{
    std::vector<int16_t> gates;
    for (int16_t gate = 0; gate < kGateCount; ++gate)
        if (!Finished(gate) && crossing(gate)) gates.push_back(gate);
    std::stable_sort(gates.begin(), gates.end(), [](int16_t a, int16_t b) {
        return race.umaDist[static_cast<std::size_t>(a)] > race.umaDist[static_cast<std::size_t>(b)];
    });
    return gates;
}

void Finish(int16_t gate)
{
    const auto place = static_cast<std::size_t>(race.finishCount);
    if (place > 0) {
        const int16_t ahead = race.finishGate[place - 1];
        race.chakusa[place - 1] =
            race.finishDist[static_cast<std::size_t>(ahead)] - race.finishDist[static_cast<std::size_t>(gate)];
        race.chakusaCount = static_cast<int16_t>(place);
    }
    race.finishGate[place] = gate;
    race.finishCount = static_cast<int16_t>(place + 1);
    race.finishDist = race.umaDist;
}

bool AtTheLine(int16_t gate) { return race.umaX[static_cast<std::size_t>(gate)] >= kFinishX; }

bool Anywhere(int16_t) { return true; }

}  // namespace

void RecordFinishers()
{
    for (const int16_t gate : UnfinishedWhere(AtTheLine)) Finish(gate);
}

void EndRace()
{
    race.raceOn = 0;
    for (const int16_t gate : UnfinishedWhere(Anywhere)) Finish(gate);
    game.orderGate = race.finishGate;
    RunRaceEndHook();
}

}  // namespace kestrova
