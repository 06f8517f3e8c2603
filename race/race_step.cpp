#include "race/race_step.h"

#include "race/finish_record.h"
#include "race/race_random.h"
#include "race/race_state.h"
#include "race/race_view.h"

#include <algorithm>
#include <cmath>

namespace kestrova {
namespace {

constexpr int16_t kUnranked = 999;

int32_t Int(double value) { return static_cast<int32_t>(std::floor(value)); }

std::size_t At(int16_t gate) { return static_cast<std::size_t>(gate); }

int16_t Leader() { return game.orderGate[0]; }

void SetSpurtSpeed(std::size_t i)
{
    race.spurtOn[i] = 1;
    race.umaSpeed[i] = 13;
    if (race.raceSta[i] != 0) {
        race.raceSta[i] -= 1;
        race.umaSpeed[i] = race.raceSpe[i];
    }
    const int32_t coin = Int(2 * Rnd());
    // The rival is whoever held the place numbered like this runner's gate at the previous step.
    const int16_t rival = game.orderGate[i];
    if (race.raceSpi[At(rival)] <= race.raceSpi[i] && coin == 0)
        race.umaSpeed[i] += Int(3 * Rnd() + race.spurtBonus[i]);
}

void SetSpeed(std::size_t i)
{
    const int32_t dist = race.umaDist[i];
    if (dist <= kStartEnd)
        race.umaSpeed[i] = 12 + Int(3 * Rnd() + 1);
    else if (dist <= kEarlyEnd)
        race.umaSpeed[i] = race.paceEarly[i];
    else if (dist <= kMiddleEnd)
        race.umaSpeed[i] = Int(5 * Rnd() + 12) - 3;
    else if (dist <= kLateEnd)
        race.umaSpeed[i] = race.paceLate[i];
    else if (dist <= kSpurtEnd)
        SetSpurtSpeed(i);
    else if (dist > kGap)
        race.umaSpeed[i] = 15 + Int(3 * Rnd() + 1);
}

void ShowReadouts()
{
    CurrentRaceView().ShowReadouts({race.umaX[0], race.umaX[1], race.umaSpeed[0], race.umaSpeed[1],
                                    game.viewShift, race.umaDist[0], race.umaDist[1]});
}

bool InStartHold()
{
    return std::any_of(race.umaDist.begin(), race.umaDist.end(), [](int32_t dist) { return dist < kStartEnd; });
}

void RailOrGoal()
{
    const bool goalMayStart = game.scrollTile == 2 || game.scrollTile == 4;
    if (race.umaDist[At(Leader())] > kGap && goalMayStart)
        DrawGoal();
    else
        ScrollSaku();
}

}  // namespace

void SetSpeeds()
{
    for (std::size_t i = 0; i < kGateCount; ++i) SetSpeed(i);
}

// The leader of the previous step decides the view shift, before this step ranks the field.
void SetViewShift()
{
    const std::size_t leader = At(Leader());
    const int32_t dist = race.umaDist[leader];
    if (dist <= kStartEnd || dist > kFollowEnd + 1)
        game.viewShift = 0;
    else if (dist <= kFollowEnd)
        game.viewShift = 12;
    ShowReadouts();
    const int32_t limit = race.spurtOn[0] == 1 ? 190 : 180;
    const int32_t next = race.umaSpeed[leader] + race.umaX[leader] - game.viewShift;
    if (next > limit && race.goalShown == kFalse)
        game.viewShift = static_cast<int16_t>(game.viewShift + (next - limit));
}

void RankRunners()
{
    game.orderGate.fill(kUnranked);
    for (int16_t gate = 0; gate < kGateCount; ++gate) {
        const int32_t dist = race.umaDist[At(gate)];
        auto place = static_cast<std::size_t>(
            std::count_if(race.umaDist.begin(), race.umaDist.end(), [dist](int32_t other) { return other > dist; }));
        while (game.orderGate[place] != kUnranked) ++place;
        game.orderGate[place] = gate;
    }
}

void MoveUma(int16_t gate)
{
    const std::size_t r = At(gate);
    RaceView& view = CurrentRaceView();
    view.EraseRunner(game.raceConditions.dirt, gate, race.umaX[r]);
    if (race.animFrame[r] == 3) race.animFrame[r] = 0;
    race.umaX[r] += race.umaSpeed[r] - game.viewShift;
    race.umaDist[r] += race.umaSpeed[r];
    const int32_t cell = race.spurtOn[r] == 1 && race.animFrame[r] == 0 ? 4 : race.animFrame[r];
    view.DrawRunner(gate, race.umaX[r], cell);
    view.Present();
    race.animFrame[r] += 1;
}

void ScrollSaku()
{
    game.scrollX = static_cast<int16_t>(game.scrollX + 8);
    if (game.scrollX == 32) {
        game.scrollX = 0;
        game.scrollTile = static_cast<int16_t>(game.scrollTile + 1);
    }
    const bool postTile = game.scrollTile == 3;
    if (postTile && game.scrollX == 24) game.scrollTile = 0;
    RaceView& view = CurrentRaceView();
    view.ScrollRail(game.raceConditions.dirt, game.scrollX, postTile);
    view.Present();
}

void DrawGoal()
{
    if (game.scrollTile != 4) {
        game.scrollTile = 4;
        game.scrollX = 8;
    }
    if (game.scrollX >= 32) {
        race.goalShown = kTrue;
        return;
    }
    game.scrollX = static_cast<int16_t>(game.scrollX + 8);
    CurrentRaceView().FeedGoalColumn(game.raceConditions.dirt, static_cast<int16_t>(game.scrollX - 8));
}

void RaceStep()
{
    SetSpeeds();
    SetViewShift();
    RankRunners();
    for (const int16_t gate : game.orderGate)
        if (race.frameCount % race.moveEvery[At(gate)] == 0) MoveUma(gate);
    if (InStartHold()) return;
    RailOrGoal();
    RecordFinishers();
    if (race.umaX[At(game.orderGate[7])] >= kFinishX) EndRace();
}

}  // namespace kestrova
