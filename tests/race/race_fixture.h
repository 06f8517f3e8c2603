#pragma once
// A clean game and race for every test, a clock that the test drives, and a view that
// writes down what it was asked to draw.

#include "race/race_state.h"
#include "race/race_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kestrova::test {

// Every request as one line, e.g. "draw 3 x=120 cell=4".
class RecordingView final : public RaceView {
public:
    void DrawStartingPicture(int16_t dirt, const PerGate<int16_t>& coats) override;
    void ShowReadouts(const RaceReadouts& readouts) override;
    void EraseRunner(int16_t dirt, int16_t gate, int32_t x) override;
    void DrawRunner(int16_t gate, int32_t x, int32_t cell) override;
    void ScrollRail(int16_t dirt, int16_t sourceX, bool postTile) override;
    void FeedGoalColumn(int16_t dirt, int16_t offset) override;
    void Present() override;

    std::vector<std::string> requests;
};

UmaEntry Horse(int16_t qua, int16_t spe, int16_t sta, int16_t spi, int16_t teki = 0, int16_t dart = 1);

class RaceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void EnterHorses(const UmaEntry& horse);
    void SetCourse(int16_t distance, int16_t dirt);
    // Prepares with the given seed and runs the whole race through RunRace on a clock
    // that moves 11 ms at every reading, so every loop pass runs a step.
    void RunSeededRace(uint64_t seed);
};

}  // namespace kestrova::test
