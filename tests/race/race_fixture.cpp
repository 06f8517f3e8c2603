#include "tests/race/race_fixture.h"

#include "foundation/tick_counter.h"
#include "race/race_hooks.h"
#include "race/race_loop.h"
#include "race/race_preparation.h"
#include "race/race_random.h"

namespace kestrova::test {

void RecordingView::DrawStartingPicture(int16_t dirt, const PerGate<int16_t>& coats)
{
    std::string line = "start dirt=" + std::to_string(dirt) + " coats=";
    for (int16_t coat : coats) line += std::to_string(coat);
    requests.push_back(line);
}

void RecordingView::ShowReadouts(const RaceReadouts& r)
{
    requests.push_back("readouts " + std::to_string(r.umaX0) + " " + std::to_string(r.umaX1) + " " +
                       std::to_string(r.umaSpeed0) + " " + std::to_string(r.umaSpeed1) + " " +
                       std::to_string(r.viewShift) + " " + std::to_string(r.umaDist0) + " " + std::to_string(r.umaDist1));
}

void RecordingView::EraseRunner(int16_t dirt, int16_t gate, int32_t x)
{
    requests.push_back("erase " + std::to_string(gate) + " x=" + std::to_string(x) + " dirt=" + std::to_string(dirt));
}

void RecordingView::DrawRunner(int16_t gate, int32_t x, int32_t cell)
{
    requests.push_back("draw " + std::to_string(gate) + " x=" + std::to_string(x) + " cell=" + std::to_string(cell));
}

void RecordingView::ScrollRail(int16_t, int16_t sourceX, bool postTile)
{
    requests.push_back(std::string("rail ") + (postTile ? "post " : "plain ") + std::to_string(sourceX));
}

void RecordingView::FeedGoalColumn(int16_t, int16_t offset) { requests.push_back("goal " + std::to_string(offset)); }

void RecordingView::Present() { requests.push_back("present"); }

UmaEntry Horse(int16_t qua, int16_t spe, int16_t sta, int16_t spi, int16_t teki, int16_t dart)
{
    UmaEntry horse;
    horse.qua = qua;
    horse.spe = spe;
    horse.sta = sta;
    horse.spi = spi;
    horse.teki = teki;
    horse.dart = dart;
    return horse;
}

void RaceTest::SetUp()
{
    ResetGameState();
    ResetRaceState();
}

void RaceTest::TearDown()
{
    SetTickSource({});
    SetSeedSource({});
    SetEventPump({});
    SetRaceEndHook({});
    SetCoatSource({});
    SetRaceView(nullptr);
    SetDrawLog(nullptr);
    ResetGameState();
    ResetRaceState();
}

void RaceTest::EnterHorses(const UmaEntry& horse) { game.umaEntry.fill(horse); }

void RaceTest::SetCourse(int16_t distance, int16_t dirt) { game.raceConditions = {distance, dirt}; }

void RaceTest::RunSeededRace(uint64_t seed)
{
    SetSeedSource([seed] { return seed; });
    PrepareRace();
    SetTickSource([now = uint32_t{0}]() mutable { return now += 11; });
    RunRace();
}

}  // namespace kestrova::test
