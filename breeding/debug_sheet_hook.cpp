#include "breeding/debug_sheet_hook.h"

#include <utility>

namespace kestrova {
namespace {

DebugSheetRefresher& Refresher()
{
    static DebugSheetRefresher refresher;
    return refresher;
}

}  // namespace

void SetDebugSheetRefresher(DebugSheetRefresher refresher) { Refresher() = std::move(refresher); }

void RefreshDebugWindow()
{
    if (Refresher()) Refresher()();
}

}  // namespace kestrova
