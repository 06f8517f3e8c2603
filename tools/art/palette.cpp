#include "tools/art/palette.h"

#include "tools/art/art_error.h"

#include <sstream>

namespace art {
namespace {

QRgb parseColour(std::istringstream& fields, const std::string& where)
{
    int channel[3] = {-1, -1, -1};
    for (int& value : channel) {
        if (!(fields >> value) || value < 0 || value > 255)
            throw ArtError(where + ": colour needs three values 0 to 255");
    }
    std::string rest;
    if (fields >> rest && !rest.starts_with("#"))
        throw ArtError(where + ": unexpected \"" + rest + "\"");
    return qRgb(channel[0], channel[1], channel[2]);
}

}  // namespace

Palette parsePalette(const TextBlock& block)
{
    Palette palette;
    for (const std::string& line : block.lines) {
        const std::string where = "palette " + block.name + ", line \"" + line + "\"";
        std::istringstream fields(line);
        std::string letter;
        fields >> letter;
        if (letter.size() != 1)
            throw ArtError(where + ": a colour is named by one letter");
        if (!palette.emplace(letter.front(), parseColour(fields, where)).second)
            throw ArtError(where + ": letter defined twice");
    }
    return palette;
}

Palette mergePalettes(const Palette& first, const Palette& second)
{
    Palette merged = first;
    for (const auto& [letter, colour] : second) {
        if (!merged.emplace(letter, colour).second)
            throw ArtError(std::string("letter '") + letter + "' has two colours");
    }
    return merged;
}

}  // namespace art
