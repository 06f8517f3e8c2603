#pragma once

#include <QString>

// Resource paths of the game's pictures. A surface s is 0 for turf and any other value for
// dirt, the meaning of RaceConditions' dirt flag.
QString picBabaPath(int s);    // the track surface, one colour, 85 x 47
QString picSakuPath(int s);    // plain rail tile and rail tile with a post, 64 x 24
QString picGoalPath(int s);    // the finishing-post tile, 32 x 24
QString picUmaAllPath(int s);  // the sprite sheet, 240 x 256
QString gatePlaceholderPath(); // the gates' picture before a file is dropped, 127 x 125
