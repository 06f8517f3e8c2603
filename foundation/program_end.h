#pragma once
// Ending the program at once, from any handler. The game exits the process;
// tests install a hook that only records the request.

#include <functional>

namespace kestrova {

using ProgramEndHook = std::function<void(int status)>;

// An empty hook restores the default, which exits the process.
void SetProgramEndHook(ProgramEndHook hook);

// Runs the hook. The game's hook never returns; a test's hook records the request and
// returns, and the caller then stops what it was doing.
void EndProgram(int status);

}  // namespace kestrova
