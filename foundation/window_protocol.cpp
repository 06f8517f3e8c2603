#include "foundation/window_protocol.h"

#include "foundation/game_state.h"
#include "foundation/program_end.h"

namespace kestrova {

void Main(const std::function<void()>& showMainWindow)
{
    game.gateLoaded.fill(kFalse);
    showMainWindow();
}

void MarkWindowLoaded() { game.endOnUnload = kTrue; }

void CloseByProgram(const std::function<void()>& close)
{
    game.endOnUnload = kFalse;
    close();
    game.endOnUnload = kTrue;
}

bool EndProgramIfClosedByPlayer()
{
    if (game.endOnUnload != kTrue) return false;
    EndProgram(0);
    return true;
}

}  // namespace kestrova
