#pragma once
// The grid file of "kestrova-tool horse --grid": 32 lines of 32 hexadecimal colours
// 0xBBGGRR, line y holding the values for x = 0..31.

#include "breeding/colour_grid.h"

#include <QString>
#include <QStringList>

namespace kestrova::tool {

// Throws ToolError, naming the line, for anything but 32 lines of 32 values up to FFFFFF.
ColourGrid ParseGrid(const QString& text, const QString& source);

ColourGrid ReadGridFile(const QString& path);

// The grid's lines as the grid file holds them, six lowercase digits a value.
QStringList GridLines(const ColourGrid& grid);

}  // namespace kestrova::tool
