#pragma once
// The hidden data sheet is a window; breeding only knows the hook that rewrites it,
// so it builds and runs without widgets.

#include <functional>

namespace kestrova {

using DebugSheetRefresher = std::function<void()>;

// Installed by the windows layer; an empty refresher removes it.
void SetDebugSheetRefresher(DebugSheetRefresher refresher);

// Rewrites all eight columns of the data sheet from the gate table; nothing when
// no refresher is installed.
void RefreshDebugWindow();

}  // namespace kestrova
