#pragma once
// The race loop's event pump for a program with windows.

#include <cstdint>

namespace kestrova {

// Handles every pending window event; then, when the next race step is still msUntilDue
// milliseconds away, sleeps until an event arrives or that time is up, whichever is first.
void ProcessWindowEvents(uint32_t msUntilDue);

}  // namespace kestrova
