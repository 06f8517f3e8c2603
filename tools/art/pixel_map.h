#pragma once

#include "tools/art/palette.h"
#include "tools/art/text_blocks.h"

#include <QImage>
#include <QPoint>

#include <string>
#include <vector>

namespace art {

// A picture drawn as text, one letter a pixel.
struct PixelMap {
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;

    char at(int x, int y) const { return rows[static_cast<size_t>(y)][static_cast<size_t>(x)]; }
};

// In an overlay this letter lets the picture below show through.
inline constexpr char kSeeThrough = '-';

// The block as a map of exactly width x height letters.
PixelMap parseMap(const TextBlock& block, int width, int height);

// The base with every letter of the overlay that is not kSeeThrough put on top.
PixelMap overlay(const PixelMap& base, const PixelMap& top);

// Paints the map into target with its top-left corner at origin; every letter needs a colour.
void paintMap(const PixelMap& map, const Palette& palette, QImage& target, QPoint origin);

}  // namespace art
