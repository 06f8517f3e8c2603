#include "race/race_view.h"

namespace kestrova {
namespace {

NullRaceView nullView;
RaceView* installed = &nullView;

}  // namespace

void SetRaceView(RaceView* view) { installed = view != nullptr ? view : &nullView; }

RaceView& CurrentRaceView() { return *installed; }

}  // namespace kestrova
