#include "tools/race_frames/race_frames.h"

#include "foundation/game_state.h"
#include "foundation/tick_counter.h"
#include "race/race_hooks.h"
#include "race/race_loop.h"
#include "race/race_picture_view.h"
#include "race/race_preparation.h"
#include "race/race_random.h"
#include "race/race_state.h"

#include <algorithm>

namespace kestrova {
namespace {

// The middle of the course, in course units covered by the leader.
constexpr int32_t kMidway = 1500;

// One horse of every coat, with styles from front-runner (0) to closer (3).
struct Runner {
    int16_t coat, qua, spe, sta, spi, dart;
};

constexpr Runner kField[kGateCount] = {
    {0, 1, 21, 28, 16, 1}, {1, 0, 20, 30, 14, 0}, {2, 2, 22, 26, 18, 1}, {3, 3, 24, 32, 15, 3},
    {4, 1, 19, 27, 17, 0}, {5, 2, 23, 25, 19, 1}, {6, 0, 18, 33, 13, 2}, {7, 3, 25, 29, 20, 1},
};

void EnterField()
{
    for (std::size_t g = 0; g < kGateCount; ++g) {
        UmaEntry& entry = game.umaEntry[g];
        const Runner& runner = kField[g];
        entry.coat = runner.coat;
        entry.qua = runner.qua;
        entry.spe = runner.spe;
        entry.sta = runner.sta;
        entry.spi = runner.spi;
        entry.dart = runner.dart;
        game.gateLoaded[g] = kTrue;
    }
}

int32_t LeaderX() { return *std::max_element(race.umaX.begin(), race.umaX.end()); }

int32_t LeaderDist() { return *std::max_element(race.umaDist.begin(), race.umaDist.end()); }

bool MoveStep() { return race.frameCount % race.moveEvery[0] == 0; }

// Called after every step: keeps the first move past the midway mark and the last move
// before the winner's sprite reaches the right edge.
void Pick(const QImage& image, RaceFrames& frames)
{
    if (!MoveStep()) return;
    if (frames.midway.isNull() && LeaderDist() >= kMidway) frames.midway = image.copy();
    if (race.goalShown == kTrue && LeaderX() + kSpriteWidth <= kViewWidth) frames.finish = image.copy();
}

}  // namespace

RaceFrames DrawSeededRace(uint64_t seed, int16_t dirt)
{
    ResetGameState();
    ResetRaceState();
    EnterField();
    game.raceConditions = {20, dirt};
    RacePictureView view;
    SetRaceView(&view);
    RaceFrames frames;
    SetEventPump([&](uint32_t) { Pick(view.Image(), frames); });
    SetSeedSource([seed] { return seed; });
    // Every reading is a step later, so every pass of the loop runs one step.
    SetTickSource([now = uint32_t{0}]() mutable { return now += kFrameWait + 1; });
    PrepareRace();
    RunRace();
    SetTickSource({});
    SetSeedSource({});
    SetEventPump({});
    SetRaceView(nullptr);
    return frames;
}

}  // namespace kestrova
