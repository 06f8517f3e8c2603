#include "tools/art/text_blocks.h"

#include "tools/art/art_error.h"

#include <fstream>

namespace art {

std::vector<TextBlock> readBlocks(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw ArtError("cannot open " + path);
    std::vector<TextBlock> blocks;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        if (line.starts_with("= ")) {
            blocks.push_back({line.substr(2), {}});
            continue;
        }
        if (blocks.empty())
            throw ArtError(path + ": text before the first \"= name\" header");
        blocks.back().lines.push_back(line);
    }
    return blocks;
}

const TextBlock& findBlock(const std::vector<TextBlock>& blocks, const std::string& name,
                           const std::string& path)
{
    for (const TextBlock& block : blocks) {
        if (block.name == name)
            return block;
    }
    throw ArtError(path + ": no block \"" + name + "\"");
}

}  // namespace art
