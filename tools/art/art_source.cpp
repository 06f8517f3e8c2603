#include "tools/art/art_source.h"

#include "tools/art/art_error.h"

namespace art {
namespace {

const char* const kSurfaceNames[kSurfaceCount] = {"turf", "dirt"};

struct SourceFile {
    std::string path;
    std::vector<TextBlock> blocks;

    SourceFile(const std::string& folder, const std::string& name)
        : path(folder + "/" + name), blocks(readBlocks(path))
    {
    }
    const TextBlock& block(const std::string& name) const { return findBlock(blocks, name, path); }
    PixelMap map(const std::string& name, int width, int height) const
    {
        return parseMap(block(name), width, height);
    }
};

std::vector<QString> readParagraphs(const SourceFile& file)
{
    std::vector<QString> paragraphs;
    for (const std::string& line : file.block("text").lines)
        paragraphs.push_back(QString::fromStdString(line));
    return paragraphs;
}

}  // namespace

ArtSource loadArtSource(const std::string& folder)
{
    const SourceFile surfaces(folder, "surfaces.txt");
    const SourceFile rail(folder, "rail.txt");
    const SourceFile goal(folder, "goal.txt");
    const SourceFile cells(folder, "horse_cells.txt");
    const SourceFile coats(folder, "coats.txt");
    const SourceFile silks(folder, "silks.txt");

    ArtSource source;
    for (int s = 0; s < kSurfaceCount; ++s) {
        source.surfaces[s] = parsePalette(surfaces.block(kSurfaceNames[s]));
        if (!source.surfaces[s].contains(kTrackLetter))
            throw ArtError(surfaces.path + ": surface " + kSurfaceNames[s] + " has no track colour");
    }
    source.railPlain = rail.map("plain", kTileWidth, kTileHeight);
    source.railPost = overlay(source.railPlain, rail.map("post", kTileWidth, kTileHeight));
    source.goal = overlay(source.railPlain, goal.map("goal", kTileWidth, kTileHeight));
    for (int k = 0; k < kCellCount; ++k)
        source.cells[k] = cells.map("cell " + std::to_string(k), kCellWidth, kCellHeight);
    for (int c = 0; c < kCoatCount; ++c) {
        source.coats[c] = parsePalette(coats.block("coat " + std::to_string(c)));
        source.silks[c] = parsePalette(silks.block("silks " + std::to_string(c)));
    }
    source.rider = parsePalette(silks.block("rider"));
    source.placeholderText = readParagraphs(SourceFile(folder, "placeholder.txt"));
    return source;
}

QRgb trackColour(const ArtSource& source, int surface)
{
    return source.surfaces[surface].at(kTrackLetter);
}

}  // namespace art
