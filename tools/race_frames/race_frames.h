#pragma once
// A whole race run on the picture view with a fixed seed and a clock that only the race
// moves, and the frames of it worth showing.

#include <QImage>

#include <cstdint>

namespace kestrova {

struct RaceFrames {
    QImage midway;  // the field in the middle of the course, the rail scrolling
    QImage finish;  // the winner at the post: the last frame with it wholly in view
};

// Eight fixed horses of different coats and running styles over turf or dirt 2000 m.
RaceFrames DrawSeededRace(uint64_t seed, int16_t dirt);

}  // namespace kestrova
