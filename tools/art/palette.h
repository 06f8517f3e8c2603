#pragma once

#include "tools/art/text_blocks.h"

#include <QRgb>

#include <map>

namespace art {

// Letter of a pixel map to its colour.
using Palette = std::map<char, QRgb>;

// Lines of the form "L r g b", optionally followed by "# note".
Palette parsePalette(const TextBlock& block);

// Joins palettes whose letters must not overlap; a letter defined twice is an error, as it
// would make one of the definitions silently dead.
Palette mergePalettes(const Palette& first, const Palette& second);

}  // namespace art
