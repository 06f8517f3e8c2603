#include "race/race_hooks.h"

#include "foundation/game_state.h"

namespace kestrova {
namespace {

int16_t EntryCoat(int16_t gate) { return game.umaEntry[static_cast<std::size_t>(gate)].coat; }

CoatSource& Coats()
{
    static CoatSource source = EntryCoat;
    return source;
}

EventPump& Pump()
{
    static EventPump pump = [](uint32_t) {};
    return pump;
}

RaceEndHook& EndHook()
{
    static RaceEndHook hook = [] {};
    return hook;
}

}  // namespace

void SetCoatSource(CoatSource source) { Coats() = source ? std::move(source) : EntryCoat; }

void SetEventPump(EventPump pump) { Pump() = pump ? std::move(pump) : [](uint32_t) {}; }

void SetRaceEndHook(RaceEndHook hook) { EndHook() = hook ? std::move(hook) : [] {}; }

int16_t CoatOf(int16_t gate) { return Coats()(gate); }

void ProcessPendingEvents(uint32_t msUntilDue) { Pump()(msUntilDue); }

void RunRaceEndHook() { EndHook()(); }

}  // namespace kestrova
