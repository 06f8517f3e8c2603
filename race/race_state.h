#pragma once
// The race engine's own state: the per-runner tables, indexed by gate like UmaEntry,
// and the race-wide counters. Program lifetime; the tables keep their values between
// races, so fields that preparation leaves alone (umaSpeed, animFrame) carry over.

#include "foundation/game_state.h"

#include <array>
#include <cstdint>

namespace kestrova {

template <typename T>
using PerGate = std::array<T, kGateCount>;

// The runner is past the finish line when its sprite's left edge reaches this x.
constexpr int32_t kFinishX = 400;

struct RaceState {
    PerGate<int32_t> umaX{};       // pixels, left edge of the sprite in the race view
    PerGate<int32_t> umaDist{};    // course units covered since the start
    PerGate<int32_t> umaSpeed{};   // course units per move, assigned at every step
    PerGate<int32_t> moveEvery{};  // a runner moves on steps that are multiples of this
    PerGate<int32_t> raceQua{};
    PerGate<int32_t> raceSpe{};
    PerGate<int32_t> raceSpi{};
    PerGate<int32_t> raceSta{};    // stamina reserve, in steps of the spurt section
    PerGate<int16_t> raceTeki{};
    PerGate<int16_t> raceDart{};
    PerGate<int16_t> paceEarly{};
    PerGate<int16_t> paceLate{};
    PerGate<int16_t> spurtBonus{};
    PerGate<int32_t> spurtOn{};    // 1 once the runner has reached the spurt section
    PerGate<int32_t> animFrame{};  // the sprite cell to draw next, 0 to 3

    PerGate<int32_t> chakusa{};    // entry k: margin between places k+1 and k+2; entry 7 unused
    int16_t chakusaCount = 0;      // margins recorded so far

    // The finishing order as the runners cross the line, and the distances of the whole
    // field when the latest of them crossed: a margin is the gap at that moment.
    PerGate<int16_t> finishGate{};
    int16_t finishCount = 0;
    PerGate<int32_t> finishDist{};

    int32_t frameCount = 0;
    int32_t frameWait = 0;
    int32_t raceOn = 0;
    Flag goalShown = kFalse;
};

extern RaceState race;

// Back to the values the program starts with.
void ResetRaceState();

}  // namespace kestrova
