#pragma once
// One generated horse as the JSON object "kestrova-tool horse" prints, one line a horse.

#include "breeding/colour_grid.h"
#include "breeding/horse_generation.h"
#include "foundation/game_state.h"

#include <QByteArray>
#include <QJsonObject>

namespace kestrova::tool {

// The pedigree and cross list are those of `pedigree`, the tables built for this horse.
QJsonObject HorseJson(const UmaEntry& horse, const HorseWorkings& workings, const PedigreeTables& pedigree,
                      const ColourGrid& grid);

// Compact, on one line, without the line end.
QByteArray HorseJsonLine(const QJsonObject& horse);

}  // namespace kestrova::tool
