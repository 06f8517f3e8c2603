#pragma once
// The finishing order and the margins, recorded as the runners cross the line, and the
// end of the race.
//
// The field goes on running after the line and is ranked afresh at every step, so the
// ranking of the last step need not be the order in which the runners finished, and a
// runner placed behind may pass the one placed ahead in the very move in which both
// cross. The order is therefore fixed at the line: the runners that cross in one move
// finish in the order of the distance they have covered then (the lower gate first when
// level), and the margin between two finishers is the gap between them when the first
// of them crossed. A margin is thus never negative, and 0 only for two runners level
// in the move in which both crossed.

namespace kestrova {

// Appends every runner that has newly crossed the line to the finishing order and
// records the margin behind the runner that finished before it.
void RecordFinishers();

// Places any runner still short of the line by the distance it has covered, makes the
// finishing order the running order for the result window, and hands over to it.
void EndRace();

}  // namespace kestrova
