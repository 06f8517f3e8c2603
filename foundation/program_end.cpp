#include "foundation/program_end.h"

#include <cstdio>
#include <cstdlib>

namespace kestrova {
namespace {

// Static destructors must not run while windows still exist, hence _Exit.
void ExitProcess(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

ProgramEndHook& Hook()
{
    static ProgramEndHook hook = ExitProcess;
    return hook;
}

}  // namespace

void SetProgramEndHook(ProgramEndHook hook) { Hook() = hook ? std::move(hook) : ExitProcess; }

void EndProgram(int status)
{
    Hook()(status);
}

}  // namespace kestrova
