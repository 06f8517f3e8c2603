#pragma once

#include <stdexcept>

namespace art {

// Any fault in the art sources: the renderer stops rather than write a half-right picture.
class ArtError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace art
