#pragma once

#include <string>
#include <vector>

namespace art {

// A named section of an art source file: the lines between "= name" and the next header.
struct TextBlock {
    std::string name;
    std::vector<std::string> lines;
};

// Reads every block of a file. Lines starting with '#' and blank lines are skipped, so pixel
// maps can never use '#' as a letter.
std::vector<TextBlock> readBlocks(const std::string& path);

// The block with this name; throws ArtError naming the file when it is missing.
const TextBlock& findBlock(const std::vector<TextBlock>& blocks, const std::string& name,
                           const std::string& path);

}  // namespace art
