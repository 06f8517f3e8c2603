#include "race/race_loop.h"

#include "foundation/text_helpers.h"
#include "foundation/tick_counter.h"
#include "race/race_hooks.h"
#include "race/race_state.h"
#include "race/race_step.h"

#include <optional>

namespace kestrova {
namespace {

// How long the pump may wait for events: until the next step is due while a stamp is
// held; not at all right after a step, whose wait starts with the next pass's stamp.
// The difference is taken modulo 2^32 like TickOver's, so a wrap of the counter
// between stamp and reading changes nothing.
uint32_t MsUntilDue(const std::optional<uint32_t>& stamp, uint32_t now)
{
    if (!stamp) return 0;
    const uint32_t elapsed = now - *stamp;
    const auto due = static_cast<uint32_t>(race.frameWait) + 1;
    return elapsed < due ? due - elapsed : 0;
}

}  // namespace

void RunRace()
{
    race.raceOn = -1;
    race.frameWait = kFrameWait;
    race.frameCount = 0;
    race.goalShown = kFalse;
    std::optional<uint32_t> stamp;
    while (race.raceOn == -1) {
        if (!stamp) stamp = GetTickCount();
        const uint32_t now = GetTickCount();
        if (TickOver(static_cast<int32_t>(*stamp), static_cast<int32_t>(now), race.frameWait)) {
            race.frameCount += 1;
            stamp.reset();
            RaceStep();
        }
        ProcessPendingEvents(MsUntilDue(stamp, now));
    }
}

}  // namespace kestrova
