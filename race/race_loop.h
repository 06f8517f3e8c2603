#pragma once
// The paced race loop.

namespace kestrova {

// Milliseconds that must be exceeded between two steps.
constexpr int kFrameWait = 10;

// Runs the race prepared by PrepareRace: a step once more than frameWait milliseconds
// have passed since the stamp taken on the first pass after the previous step, and the
// pending window events on every pass. Returns when the race has ended.
void RunRace();

}  // namespace kestrova
