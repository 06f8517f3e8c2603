#pragma once

#include "tools/art/palette.h"
#include "tools/art/pixel_map.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace art {

// Index of the turf and dirt version of every track picture.
enum Surface { kTurf = 0, kDirt = 1 };
inline constexpr int kSurfaceCount = 2;
inline constexpr int kCoatCount = 8;
inline constexpr int kCellCount = 5;

inline constexpr int kTileWidth = 32;
inline constexpr int kTileHeight = 24;
inline constexpr int kCellWidth = 48;
inline constexpr int kCellHeight = 32;

// In sprite cells this letter is the track behind the horse.
inline constexpr char kTrackLetter = '.';

// Everything the pictures are made from, as read from the art source folder.
struct ArtSource {
    std::array<Palette, kSurfaceCount> surfaces;  // rail letters; kTrackLetter is the track
    PixelMap railPlain;
    PixelMap railPost;   // the plain tile with the post drawn over it
    PixelMap goal;       // the plain tile with the finishing post drawn over it
    std::array<PixelMap, kCellCount> cells;
    std::array<Palette, kCoatCount> coats;
    std::array<Palette, kCoatCount> silks;
    Palette rider;       // colours every jockey shares
    std::vector<QString> placeholderText;  // one paragraph a line
};

ArtSource loadArtSource(const std::string& folder);

// The colour of the track of a surface.
QRgb trackColour(const ArtSource& source, int surface);

}  // namespace art
