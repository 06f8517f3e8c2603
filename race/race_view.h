#pragma once
// The drawing requests that preparation and the race steps make. The model never
// reads anything back, so a view that ignores every request runs the same race.

#include "race/race_state.h"

#include <cstdint>

namespace kestrova {

// The numbers of the first two gates that the race window shows for debugging.
struct RaceReadouts {
    int32_t umaX0 = 0, umaX1 = 0;
    int32_t umaSpeed0 = 0, umaSpeed1 = 0;
    int16_t viewShift = 0;
    int32_t umaDist0 = 0, umaDist1 = 0;
};

// Every surface picture comes in a turf (dirt 0) and a dirt (dirt 1) version.
class RaceView {
public:
    virtual ~RaceView() = default;

    // Rail row (presented), track in the surface colour, and each gate's sprite strip
    // from the coat code's row of the sprite sheet.
    virtual void DrawStartingPicture(int16_t dirt, const PerGate<int16_t>& coats) = 0;
    virtual void ShowReadouts(const RaceReadouts& readouts) = 0;
    // Paints the runner's 48 x 32 sprite box at x in its lane with the track colour.
    virtual void EraseRunner(int16_t dirt, int16_t gate, int32_t x) = 0;
    // Copies cell 0 to 4 of the gate's sprite strip to x in its lane.
    virtual void DrawRunner(int16_t gate, int32_t x, int32_t cell) = 0;
    // Shifts the rail row 8 pixels left and feeds in the 8-pixel column at sourceX of
    // the plain rail tile, or of the tile with a post.
    virtual void ScrollRail(int16_t dirt, int16_t sourceX, bool postTile) = 0;
    // Shifts the goal area 8 pixels left and feeds in the goal tile's column at offset.
    virtual void FeedGoalColumn(int16_t dirt, int16_t offset) = 0;
    virtual void Present() = 0;
};

class NullRaceView final : public RaceView {
public:
    void DrawStartingPicture(int16_t, const PerGate<int16_t>&) override {}
    void ShowReadouts(const RaceReadouts&) override {}
    void EraseRunner(int16_t, int16_t, int32_t) override {}
    void DrawRunner(int16_t, int32_t, int32_t) override {}
    void ScrollRail(int16_t, int16_t, bool) override {}
    void FeedGoalColumn(int16_t, int16_t) override {}
    void Present() override {}
};

// The view that the race draws on; nullptr restores the null view. The caller keeps
// the view alive while it is installed.
void SetRaceView(RaceView* view);
RaceView& CurrentRaceView();

}  // namespace kestrova
