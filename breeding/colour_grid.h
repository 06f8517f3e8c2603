#pragma once
// The 32 x 32 analysis canvas of a picture, as the colours that make a horse.

#include <array>
#include <cstdint>

namespace kestrova {

constexpr int kCanvasSize = 32;

// Colours are 0x00BBGGRR; x is the column from the left, y the row from the top.
struct ColourGrid {
    std::array<uint32_t, kCanvasSize * kCanvasSize> colours{};

    uint32_t At(int x, int y) const { return colours[static_cast<std::size_t>(y * kCanvasSize + x)]; }
    void Set(int x, int y, uint32_t colour) { colours[static_cast<std::size_t>(y * kCanvasSize + x)] = colour; }

    bool operator==(const ColourGrid&) const = default;
};

}  // namespace kestrova
