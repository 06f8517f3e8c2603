#pragma once
// Start-up and the endOnUnload protocol by which closing a window ends the program,
// except while the program closes a window itself.

#include <functional>

namespace kestrova {

// Clears the gate flags and shows the main window without waiting for it.
void Main(const std::function<void()>& showMainWindow);

// The load of the main, result and pedigree windows.
void MarkWindowLoaded();

// Closes a window on the program's own behalf, so that its unload does not end the program.
void CloseByProgram(const std::function<void()>& close);

// The unload of the main, race and result windows: ends the program when the player
// closed the window. True when it did so (a test's program-end hook returns).
bool EndProgramIfClosedByPlayer();

}  // namespace kestrova
