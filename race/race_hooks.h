#pragma once
// What the windows layer supplies to the race engine: where the coat codes of the
// starting picture come from, how pending window events are processed, and what
// happens when the race ends. The defaults run a race with no window at all.

#include <cstdint>
#include <functional>

namespace kestrova {

// The coat code whose sprite row a gate's runner wears. Default: the gate's UmaEntry coat.
using CoatSource = std::function<int16_t(int16_t gate)>;
// Processes the pending window events. msUntilDue is how long the next step is still
// away (0 when the next pass must read the clock at once); the pump may wait for events
// up to that long but must not wait longer. Default: nothing to process.
using EventPump = std::function<void(uint32_t msUntilDue)>;
// Opens the result window at the race window's place and closes the race window.
// Default: nothing.
using RaceEndHook = std::function<void()>;

// An empty function restores the default.
void SetCoatSource(CoatSource source);
void SetEventPump(EventPump pump);
void SetRaceEndHook(RaceEndHook hook);

int16_t CoatOf(int16_t gate);
void ProcessPendingEvents(uint32_t msUntilDue);
void RunRaceEndHook();

}  // namespace kestrova
