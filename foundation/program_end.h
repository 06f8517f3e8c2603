#pragma once
// Ending the program at once, from any handler. The game exits the process;
// tests install a hook that only records the request.

#include <functional>

namespace kestrova {

using ProgramEndHook = std::function<void(int status)>;

// Thrown when a program-end hook returns, so that no further code of the
// ending path runs (the game's own hook never returns).
struct ProgramEnded {
    int status;
};

// An empty hook restores the default, which exits the process.
void SetProgramEndHook(ProgramEndHook hook);

// Runs the hook; if it returns, throws ProgramEnded.
[[noreturn]] void EndProgram(int status);

}  // namespace kestrova
