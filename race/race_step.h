#pragma once
// One step of the running model and its parts, in the order a step runs them.

#include <cstdint>

namespace kestrova {

// Course sections by umaDist, bounds inclusive.
constexpr int32_t kStartEnd = 149;
constexpr int32_t kEarlyEnd = 640;
constexpr int32_t kMiddleEnd = 1240;
constexpr int32_t kLateEnd = 1840;
constexpr int32_t kSpurtEnd = 2740;
constexpr int32_t kGap = 2741;  // a runner exactly here keeps its previous speed
// The view follows the field while the leader is past the start and up to here; one
// unit further it keeps its shift, beyond that it stands still.
constexpr int32_t kFollowEnd = 2440;

void RaceStep();

void SetSpeeds();
void SetViewShift();
void RankRunners();
void MoveUma(int16_t gate);
void ScrollSaku();
void DrawGoal();

}  // namespace kestrova
