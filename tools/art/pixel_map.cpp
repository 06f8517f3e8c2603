#include "tools/art/pixel_map.h"

#include "tools/art/art_error.h"

namespace art {

PixelMap parseMap(const TextBlock& block, int width, int height)
{
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (static_cast<int>(block.lines.size()) != height)
        throw ArtError("map " + block.name + ": needs " + size + " letters");
    for (const std::string& row : block.lines) {
        if (static_cast<int>(row.size()) != width)
            throw ArtError("map " + block.name + ": needs " + size + " letters, row \"" + row + "\"");
    }
    return {width, height, block.lines};
}

PixelMap overlay(const PixelMap& base, const PixelMap& top)
{
    if (base.width != top.width || base.height != top.height)
        throw ArtError("an overlay must have the size of its base");
    PixelMap result = base;
    for (int y = 0; y < top.height; ++y) {
        for (int x = 0; x < top.width; ++x) {
            if (top.at(x, y) != kSeeThrough)
                result.rows[static_cast<size_t>(y)][static_cast<size_t>(x)] = top.at(x, y);
        }
    }
    return result;
}

void paintMap(const PixelMap& map, const Palette& palette, QImage& target, QPoint origin)
{
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            const auto colour = palette.find(map.at(x, y));
            if (colour == palette.end())
                throw ArtError(std::string("no colour for letter '") + map.at(x, y) + "' at (" +
                               std::to_string(x) + ", " + std::to_string(y) + ")");
            target.setPixel(origin.x() + x, origin.y() + y, colour->second);
        }
    }
}

}  // namespace art
